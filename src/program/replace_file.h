#pragma once

#include <string>

namespace zentrova {

// Writes bytes to a temporary file beside `path` and renames it over `path`, so a reader
// never sees half a file. False when any step fails; the temporary file is then removed.
bool ReplaceFileBytes(const std::string& path, const std::string& bytes);

}  // namespace zentrova
