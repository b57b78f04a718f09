#pragma once

#include <string>
#include <vector>

namespace zentrova {

inline constexpr int kMaxCategoryGroups = 400;
inline constexpr int kMaxCategoryEntries = 400;

struct CategoryEntry {
  std::string value;    // what the engine's form is sent
  std::string caption;  // what the user reads
};

// One engine's category choices; its chosen value travels in ProfileValues[profileField].
struct CategoryGroup {
  std::string title;  // the engine's Name
  int profileField = 0;
  int chosen = 0;                      // 1-based entry number
  std::vector<CategoryEntry> entries;  // entry j is entries[j - 1]
};

}  // namespace zentrova
