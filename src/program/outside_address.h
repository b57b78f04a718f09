#pragma once

#include <string>
#include <string_view>

#include "ports/shell.h"

namespace zentrova {

// Addresses that come from outside (replies, sitemaps, kept pages): only these schemes are
// followed, whatever else a page may hold ("file:", "javascript:", a program's own scheme).
// The scheme's letter case does not matter.
bool IsWebAddress(std::string_view address);  // http or https
// What a click on a shown page may hand to the user's own browser: a web address or mailto.
bool OpensInUsersBrowser(std::string_view address);

// A link clicked on a shown page: handed to the user's browser when it may open there, and
// otherwise ignored.
void OpenClickedLink(Shell& shell, const std::string& address);

// The file: address of a local file, its path's bytes percent-encoded, so that the browser
// opens the file the path names whatever characters its name holds.
std::string FileAddress(std::string_view path);

}  // namespace zentrova
