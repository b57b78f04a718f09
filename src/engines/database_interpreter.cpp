#include "engines/database_interpreter.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "session/session_state.h"

namespace zentrova {

namespace {

constexpr std::string_view kEntrySeparator = "[]";
constexpr auto npos = std::string_view::npos;

// A group's number names the profile slot its choice travels in; any other number would
// make storing the choice write outside the profile.
std::optional<int> ParseProfileSlot(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  if (text.front() == '+') {
    text.remove_prefix(1);
  }
  int number = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, number);
  if (error != std::errc() || stop != end || number < 1 || number > kProfileSlotCount) {
    return std::nullopt;
  }
  return number;
}

// Where the first "[]" after the kind character starts. An entry's value is a few characters, so
// a plain scan costs less than setting up a general substring search for each of many entries.
size_t FindEntrySeparator(std::string_view record) {
  for (size_t i = 1; i + 1 < record.size(); ++i) {
    if (record[i] == '[' && record[i + 1] == ']') {
      return i;
    }
  }
  return npos;
}

std::string Limit(const char* what, int limit) {
  return "more than " + std::to_string(limit) + " " + what;
}

}  // namespace

void DatabaseInterpreter::Reserve(DatabaseCensus census) {
  // One slot more for the fields of an engine still being collected.
  const size_t slots = std::min(census.engines, static_cast<size_t>(kMaxEngines)) + 1;
  database_.engines.reserve(database_.engines.size() + slots);
  database_.categoryGroups.reserve(
      std::min(census.groupEntries.size(), static_cast<size_t>(kMaxCategoryGroups)));
  database_.manualPageLines.reserve(census.pageLines);
  expectedEntries_ = std::move(census.groupEntries);
}

void DatabaseInterpreter::Finish() {
  if (pending_) {
    database_.engines.pop_back();
    pending_ = false;
  }
}

EngineRecord& DatabaseInterpreter::Pending() {
  if (!pending_) {
    database_.engines.emplace_back();
    pending_ = true;
  }
  return database_.engines.back();
}

int DatabaseInterpreter::CompletedEngines() const {
  return static_cast<int>(database_.engines.size()) - 1 - (pending_ ? 1 : 0);
}

std::optional<std::string> DatabaseInterpreter::Take(std::string_view record) {
  if (record.empty()) {
    return std::nullopt;
  }
  switch (record[0]) {
    case '1':
      return TakeField(record);
    case '2':
      return TakeEngine(record);
    case '3':
      return TakeGroup(record);
    case '4':
      return TakeEntry(record);
    case '5':
      database_.manualPageLines.emplace_back(record.substr(1));
      return std::nullopt;
    case '6':
      // A protocol this program does not know leaves the engine on its form.
      if (record.substr(1) == kIndexNowProtocolName) {
        Pending().protocol = kIndexNowProtocol;
      }
      return std::nullopt;
    default:
      return std::nullopt;
  }
}

std::optional<std::string> DatabaseInterpreter::TakeField(std::string_view record) {
  const size_t comma = record.find(',');
  if (comma == npos) {
    return "form field without a comma";
  }
  EngineRecord& engine = Pending();
  if (engine.fieldCount == kMaxFormFields) {
    return Limit("form fields for one engine", kMaxFormFields);
  }
  ++engine.fieldCount;
  const auto slot = static_cast<size_t>(engine.fieldCount);
  engine.fieldNames[slot] = record.substr(1, comma - 1);
  engine.fieldValues[slot] = record.substr(comma + 1);
  return std::nullopt;
}

std::optional<std::string> DatabaseInterpreter::TakeEngine(std::string_view record) {
  const size_t nameEnd = record.find(',');
  const size_t markerEnd = nameEnd == npos ? npos : record.find(',', nameEnd + 1);
  const size_t actionStart = markerEnd == npos ? npos : markerEnd + 3;
  const size_t actionEnd = actionStart >= record.size() ? npos : record.find(',', actionStart);
  if (actionEnd == npos) {
    return "engine record without the commas of its layout";
  }
  if (CompletedEngines() >= kMaxEngines) {
    return Limit("engines", kMaxEngines);
  }
  // Missing method and kind characters read as neither "G" nor a kind letter.
  const auto at = [&record](size_t index) { return index < record.size() ? record[index] : '\0'; };
  const char method = at(actionEnd + 1);
  const char kind = at(actionEnd + 2);
  EngineRecord& engine = Pending();
  engine.name = record.substr(1, nameEnd - 1);
  engine.successMarker = record.substr(nameEnd + 1, markerEnd - nameEnd - 1);
  engine.noAdult = record[markerEnd + 1] == 'T';
  engine.specialized = record[markerEnd + 2] == 'T';
  engine.actionUrl = record.substr(actionStart, actionEnd - actionStart);
  engine.method = method == 'G' ? kGet : kPost;
  engine.kind = kind == 'S'   ? kSearchEngine
                : kind == 'D' ? kDirectory
                : kind == 'N' ? kNews
                              : kLinkListing;
  engine.homeUrl = actionEnd + 3 < record.size() ? record.substr(actionEnd + 3) : "";
  pending_ = false;
  return std::nullopt;
}

std::optional<std::string> DatabaseInterpreter::TakeGroup(std::string_view record) {
  const size_t comma = record.find(',');
  if (comma == npos) {
    return "category group without a comma";
  }
  const auto slot = ParseProfileSlot(record.substr(comma + 1));
  if (!slot) {
    return "category group's slot is not a number from 1 to " + std::to_string(kProfileSlotCount);
  }
  if (database_.categoryGroups.size() == kMaxCategoryGroups) {
    return Limit("category groups", kMaxCategoryGroups);
  }
  auto& groups = database_.categoryGroups;
  const size_t number = groups.size();
  CategoryGroup& group = groups.emplace_back();
  group.title = record.substr(1, comma - 1);
  group.profileField = *slot;
  if (number < expectedEntries_.size()) {
    group.entries.reserve(
        std::min(expectedEntries_[number], static_cast<size_t>(kMaxCategoryEntries)));
  }
  // The list's item data is the group's 1-based number.
  groupList_.Add(group.title, static_cast<int>(number) + 1);
  return std::nullopt;
}

std::optional<std::string> DatabaseInterpreter::TakeEntry(std::string_view record) {
  const size_t separator = FindEntrySeparator(record);
  if (separator == npos) {
    return "category entry without \"[]\"";
  }
  // An entry before any group has nowhere to go; it cannot disturb anything either.
  auto& groups = database_.categoryGroups;
  if (groups.empty()) {
    return std::nullopt;
  }
  CategoryGroup& group = groups.back();
  if (group.entries.size() == kMaxCategoryEntries) {
    return Limit("entries in one group", kMaxCategoryEntries);
  }
  group.entries.push_back(
      {record.substr(1, separator - 1), record.substr(separator + kEntrySeparator.size())});
  // While loading, the chosen number counts the entries added so far.
  group.chosen = static_cast<int>(group.entries.size());
  return std::nullopt;
}

std::optional<DatabaseContentError> CheckDatabaseRecords(const std::vector<std::string>& records) {
  SubmissionDatabase database;
  SortedList groupList;
  DatabaseInterpreter interpreter(database, groupList);
  for (size_t i = 0; i < records.size(); ++i) {
    if (auto problem = interpreter.Take(records[i])) {
      return DatabaseContentError{i, std::move(*problem)};
    }
  }
  return std::nullopt;
}

}  // namespace zentrova
