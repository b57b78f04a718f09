#include "submission/keyword_text.h"

#include <array>

namespace zentrova {

std::string BuildKeywordText(int limit, const std::string& k1, const std::string& k2,
                             const std::string& k3, const std::string& k4, const std::string& k5,
                             const std::string& k6) {
  const std::array<const std::string*, 7> keyword{nullptr, &k1, &k2, &k3, &k4, &k5, &k6};
  // Each phrase seven times; 0 stands for a line break after the preceding item's space.
  static constexpr int kPattern[] = {1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 0, 1, 2, 3, 4,
                                     1, 2, 3, 0, 1, 2, 1, 1, 2, 2, 3, 0, 3, 3, 4, 4,
                                     4, 4, 5, 5, 5, 0, 5, 5, 6, 6, 6, 6, 6, 6};
  std::string text;
  for (const int item : kPattern) {
    if (item == 0) {
      text += "\r\n";
    } else {
      text += *keyword[static_cast<size_t>(item)];
      text += ' ';
    }
  }
  if (limit < 0) {
    return {};
  }
  const auto size_limit = static_cast<size_t>(limit);
  if (text.size() <= size_limit) {
    return text;
  }
  // Look back from position limit + 1 (1-based) for a space to cut before.
  for (size_t position = size_limit + 1; position >= 2; --position) {
    if (text[position - 1] == ' ') {
      return text.substr(0, position - 1);
    }
  }
  return text.substr(0, size_limit);
}

}  // namespace zentrova
