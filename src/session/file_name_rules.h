#pragma once

#include <string>

namespace zentrova {

// The characters after the folder part of a path.
std::string FileNamePart(const std::string& path);

// The name a save dialog writes for what the user typed: a name without an extension gets
// "." + extension, and so does one whose extension is another (notes.txt → notes.txt.ses);
// the extension's letter case as typed is kept.
std::string SavedFileName(const std::string& typed, const std::string& extension);

}  // namespace zentrova
