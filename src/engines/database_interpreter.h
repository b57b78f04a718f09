#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/sorted_list.h"
#include "engines/submission_database.h"

namespace zentrova {

// How many engines, manual page lines and category groups a database's records make, and how
// many entries each group: counted as the records are restored, so every table is sized once.
struct DatabaseCensus {
  size_t engines = 0;
  size_t pageLines = 0;
  std::vector<size_t> groupEntries;  // in group order

  // Taken for every record as it is restored, so it stays small enough to be inlined.
  void Count(std::string_view record) {
    if (record.empty()) {
      return;
    }
    switch (record[0]) {
      case '2':
        ++engines;
        break;
      case '3':
        groupEntries.push_back(0);
        break;
      case '4':
        if (!groupEntries.empty()) {
          ++groupEntries.back();
        }
        break;
      case '5':
        ++pageLines;
        break;
      default:
        break;
    }
  }
};

// Builds the engine table, the category groups and the manual page lines of `database`, and
// the rows of the category group list, from restored record texts, taken one by one in file order.
// A record that cannot come from a well-formed database, or one past a table's limit, makes the
// caller reject the whole database: half an engine table would submit to the wrong engines.
// Category entries view the record texts they come from, which must live as long as `database`.
class DatabaseInterpreter {
 public:
  DatabaseInterpreter(SubmissionDatabase& database, SortedList& groupList)
      : database_(database), groupList_(groupList) {}

  // Sizes the tables for the records to come before they are taken, so that none grows on the
  // way: at the format's limits that growing cost more than reading the records.
  void Reserve(DatabaseCensus census);
  // Why the record rejects the database; nothing when it is taken (or skipped).
  std::optional<std::string> Take(std::string_view record);
  // Drops the form fields that no engine record closed; they belong to no engine.
  void Finish();

 private:
  std::optional<std::string> TakeField(std::string_view record);
  std::optional<std::string> TakeEngine(std::string_view record);
  std::optional<std::string> TakeGroup(std::string_view record);
  std::optional<std::string> TakeEntry(std::string_view record);
  // The engine whose form fields are being collected, built where it will stay in the table.
  EngineRecord& Pending();
  int CompletedEngines() const;

  SubmissionDatabase& database_;
  SortedList& groupList_;
  bool pending_ = false;
  std::vector<size_t> expectedEntries_;  // of each group to come
};

struct DatabaseContentError {
  size_t record = 0;  // index of the offending record
  std::string message;
};

// Whether a database of these records would load, and if not, the record that stops it.
std::optional<DatabaseContentError> CheckDatabaseRecords(const std::vector<std::string>& records);

}  // namespace zentrova
