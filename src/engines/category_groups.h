#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

inline constexpr int kMaxCategoryGroups = 400;
inline constexpr int kMaxCategoryEntries = 400;

// A group holds up to hundreds of entries and a database hundreds of groups, so an entry views
// the database's restored record texts (SubmissionDatabase::recordTexts) instead of copying them;
// an entry made by hand views text that lives at least as long as its database.
struct CategoryEntry {
  std::string_view value;    // what the engine's form is sent
  std::string_view caption;  // what the user reads
};

// One engine's category choices; its chosen value travels in ProfileValues[profileField].
struct CategoryGroup {
  std::string title;  // the engine's Name
  int profileField = 0;
  int chosen = 0;                      // 1-based entry number
  std::vector<CategoryEntry> entries;  // entry j is entries[j - 1]
};

}  // namespace zentrova
