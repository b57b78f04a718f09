#pragma once

#include <string_view>

namespace zentrova {

// Whether a page is UTF-8: it declares UTF-8 as its charset, starts with the UTF-8 byte-order
// mark, or is UTF-8 through and through with characters beyond ASCII. Any other page is taken
// for the session's code page.
bool IsUtf8Page(std::string_view page);

}  // namespace zentrova
