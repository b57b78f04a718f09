#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engines/sorted_list.h"
#include "engines/submission_database.h"

namespace zentrova {

// Builds the engine table, the category groups and the manual page lines of `database`, and
// the rows of the category group list, from restored record texts, taken one by one in file order.
// A record that cannot come from a well-formed database, or one past a table's limit, makes the
// caller reject the whole database: half an engine table would submit to the wrong engines.
class DatabaseInterpreter {
 public:
  DatabaseInterpreter(SubmissionDatabase& database, SortedList& groupList)
      : database_(database), groupList_(groupList) {}

  // Why the record rejects the database; nothing when it is taken (or skipped).
  std::optional<std::string> Take(std::string_view record);

 private:
  std::optional<std::string> TakeField(std::string_view record);
  std::optional<std::string> TakeEngine(std::string_view record);
  std::optional<std::string> TakeGroup(std::string_view record);
  std::optional<std::string> TakeEntry(std::string_view record);

  SubmissionDatabase& database_;
  SortedList& groupList_;
  EngineRecord pending_;  // the engine whose form fields are being collected
};

struct DatabaseContentError {
  size_t record = 0;  // index of the offending record
  std::string message;
};

// Whether a database of these records would load, and if not, the record that stops it.
std::optional<DatabaseContentError> CheckDatabaseRecords(const std::vector<std::string>& records);

}  // namespace zentrova
