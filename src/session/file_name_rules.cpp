#include "session/file_name_rules.h"

#include <algorithm>
#include <cctype>

namespace zentrova {

namespace {

bool EndsWithIgnoringCase(const std::string& text, const std::string& tail) {
  if (text.size() < tail.size()) {
    return false;
  }
  return std::equal(
      tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
      [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

}  // namespace

std::string FileNamePart(const std::string& path) {
  const std::size_t folderEnd = path.find_last_of("/\\");
  return folderEnd == std::string::npos ? path : path.substr(folderEnd + 1);
}

std::string SavedFileName(const std::string& typed, const std::string& extension) {
  const std::string dotted = "." + extension;
  return EndsWithIgnoringCase(typed, dotted) ? typed : typed + dotted;
}

}  // namespace zentrova
