#pragma once

#include <string>

#include "manual/form_capture.h"

namespace zentrova::tool {

// The first slot a drafted group is given; the session leaves slots from 100 up free.
inline constexpr int kFirstDraftSlot = 100;

// The captured form as a block of database source: an engine with its settings and fields,
// and one group per selection list with its entries, the i-th list taking profile slot
// kFirstDraftSlot + i and its field sending it. Every line the entry's author must change
// has a comment above it beginning "Change:"; what the database cannot hold (a name with a
// comma, more than 30 fields or 400 entries) is named in a comment instead of written. Texts
// are Windows-1252, like the source; `address` is the page the form was read from.
std::string CaptureSource(const CapturedForm& form, const std::string& address);

}  // namespace zentrova::tool
