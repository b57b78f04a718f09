#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// Only A–Z change: the bytes of the code page above ASCII stay as they are, whatever the
// locale the program runs in.
std::string AsciiLowercase(std::string_view text);

}  // namespace zentrova
