#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace zentrova {

// The per-character unscrambling rule shared by the string table and the database.
std::string RestoreText(const std::string& stored);
void RestoreTextInPlace(char* text, size_t length);
// Its inverse, for the tools that write scrambled files; nothing when a character cannot be
// stored (codes 0, 1 and 255).
std::optional<std::string> ScrambleText(const std::string& text);

}  // namespace zentrova
