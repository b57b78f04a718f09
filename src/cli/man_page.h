#pragma once

#include <string>

#include "cli/manual.h"

namespace zentrova::cli {

// `manual` as a man(7) page of section 1, dated `date` (YYYY-MM-DD).
std::string ManPage(const Manual& manual, const std::string& date);

}  // namespace zentrova::cli
