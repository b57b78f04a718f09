#include "engines/database_interpreter.h"

#include <charconv>

#include "engines/database_loader.h"
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

std::string Limit(const char* what, int limit) {
  return "more than " + std::to_string(limit) + " " + what;
}

}  // namespace

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
        pending_.protocol = kIndexNowProtocol;
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
  if (pending_.fieldCount == kMaxFormFields) {
    return Limit("form fields for one engine", kMaxFormFields);
  }
  ++pending_.fieldCount;
  pending_.fieldNames[pending_.fieldCount] = record.substr(1, comma - 1);
  pending_.fieldValues[pending_.fieldCount] = record.substr(comma + 1);
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
  auto& engines = database_.engines;
  if (static_cast<int>(engines.size()) > kMaxEngines) {
    return Limit("engines", kMaxEngines);
  }
  // Missing method and kind characters read as neither "G" nor a kind letter.
  const auto at = [&record](size_t index) { return index < record.size() ? record[index] : '\0'; };
  const char method = at(actionEnd + 1);
  const char kind = at(actionEnd + 2);
  EngineRecord& engine = pending_;
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
  engines.push_back(std::move(pending_));
  pending_ = EngineRecord();
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
  AddCategoryGroup(database_, groupList_, std::string(record.substr(1, comma - 1)), *slot);
  return std::nullopt;
}

std::optional<std::string> DatabaseInterpreter::TakeEntry(std::string_view record) {
  const size_t separator = record.find(kEntrySeparator, 1);
  if (separator == npos) {
    return "category entry without \"[]\"";
  }
  // An entry before any group has nowhere to go; it cannot disturb anything either.
  const auto& groups = database_.categoryGroups;
  if (groups.empty()) {
    return std::nullopt;
  }
  if (groups.back().entries.size() == kMaxCategoryEntries) {
    return Limit("entries in one group", kMaxCategoryEntries);
  }
  AddCategoryEntry(database_, std::string(record.substr(1, separator - 1)),
                   std::string(record.substr(separator + kEntrySeparator.size())));
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
