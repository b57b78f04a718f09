#include "meta/meta_generator.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace zentrova {
namespace {

constexpr size_t kNameLetters = 7;
// Characters that cannot stand in the short name of the generated file.
constexpr char kSkippedCharacters[] = "~!@#$%^&*()_+-=|\\{}[]:;'<>?/,` \"";

}  // namespace

std::string MakeNewFileName(Program& program, int n) {
  std::string name;
  for (const char c : program.session.profile[kLastOpenedFileName]) {
    if (name.size() >= kNameLetters || c == '.') {
      break;
    }
    if (std::strchr(kSkippedCharacters, c) == nullptr) {
      name += c;
    }
  }
  name += std::to_string(n) + ".htm";
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return name;
}

}  // namespace zentrova
