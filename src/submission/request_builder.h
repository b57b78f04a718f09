#pragma once

#include <string>
#include <vector>

#include "engines/engine_record.h"
#include "ports/browser.h"
#include "program/program.h"
#include "session/session_state.h"
#include "submission/form_encoding.h"

namespace zentrova {

// Expands a value template: "%" and three decimal digits stand for that profile slot; any
// other "%" is kept as it is.
std::string ExpandTemplate(const std::string& valueTemplate, const EngineRecord& engine,
                           const ProfileValues& profile);

// The fields, with their values, that the engine in process (`run.currentEngine`) is sent
// for the page address in process (`run.deepLinkCounter`), in field order.
std::vector<FormField> SubmissionFields(const Program& program);

// The FORM element of the submission page for the engine and page address in process. Shows
// that address and the deep link number in the progress panel.
std::string BuildSubmissionForm(Program& program);
// What submitting that form sends, for the browser to load itself: a load started by the page
// would be throttled by the browser after a couple of hundred. Shows the same in the panel.
FormRequest BuildSubmissionRequest(Program& program);

// The submission page: the form between the page's opening and closing tags, each of its three
// lines ended by "\n".
std::string SubmissionPage(const std::string& formHtml);

}  // namespace zentrova
