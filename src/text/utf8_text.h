#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// The core's Windows-1252 bytes as UTF-8, for what leaves the program in UTF-8 (IndexNow's
// JSON). The five bytes the code page leaves undefined become the control characters of the
// same number, as the platform's decoder reads them.
std::string Windows1252ToUtf8(std::string_view bytes);

}  // namespace zentrova
