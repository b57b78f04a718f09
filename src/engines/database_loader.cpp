#include "engines/database_loader.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "engines/database_interpreter.h"
#include "engines/database_records.h"
#include "program/read_file.h"
#include "program/replace_file.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

constexpr char kCorruptedDatabase[] =
    "Initialization submission database is corrupted. Please run complete installation again";

bool RejectDatabase(Program& program) {
  program.ports.dialogs->ShowMessage(kCorruptedDatabase, MessageButtons::Ok, MessageIcon::None,
                                     kAppTitle);
  if (program.ports.exitProgram) {
    program.ports.exitProgram();
  }
  return false;
}

// The page is only a view of the database, rebuilt at every start, so failing to write it
// does not stop the program: the manual submission browser then shows no page.
void WriteManualPage(const Program& program, const std::vector<std::string>& lines) {
  std::string page;
  for (const auto& line : lines) {
    page += line;
    page += kCrLf;
  }
  std::error_code ignored;
  std::filesystem::create_directories(program.folders.SessionsFolder(), ignored);
  ReplaceFileBytes(ManualPagePath(program), Utf8HtmlPage(page));
}

}  // namespace

std::string DatabasePath(const Program& program) {
  const std::string own = program.folders.appFolder + kDatabaseFileName;
  std::error_code error;
  if (std::filesystem::is_regular_file(own, error)) {
    return own;
  }
  return program.folders.dataFolder + kDatabaseFileName;
}

std::string ManualPagePath(const Program& program) {
  return program.folders.SessionsFolder() + kManualPageFileName;
}

bool LoadSubmissionDatabase(Program& program, const std::string& path) {
  FileBytes file = ReadWholeFile(path, kMaxDatabaseFileBytes);
  if (!file) {
    return RejectDatabase(program);
  }
  // A rejected database leaves nothing behind: what was there before comes back.
  SubmissionDatabase previous = std::exchange(program.database, SubmissionDatabase());
  SortedList previousGroups = std::exchange(program.categories.groupList, SortedList());
  DatabaseInterpreter interpreter(program.database, program.categories.groupList);
  bool rejected = false;
  const auto damage = VisitDatabaseRecords(std::move(file.bytes), [&](std::string_view record) {
    rejected = interpreter.Take(record).has_value();
    return !rejected;
  });
  if (damage || rejected) {
    program.database = std::move(previous);
    program.categories.groupList = std::move(previousGroups);
    return RejectDatabase(program);
  }
  // The slot the next engine would take; start-up lowers it to the engine count.
  program.database.engineSlotCount = static_cast<int>(program.database.engines.size());
  WriteManualPage(program, program.database.manualPageLines);
  program.views.Changed(View::ManualPage);
  return true;
}

void AddCategoryGroup(SubmissionDatabase& database, SortedList& groupList, std::string title,
                      int profileField) {
  auto& groups = database.categoryGroups;
  if (groups.size() >= kMaxCategoryGroups) {
    return;
  }
  CategoryGroup& group = groups.emplace_back();
  group.title = std::move(title);
  group.profileField = profileField;
  groupList.Add(group.title, static_cast<int>(groups.size()));
}

void AddCategoryEntry(SubmissionDatabase& database, std::string value, std::string caption) {
  auto& groups = database.categoryGroups;
  if (groups.empty() || groups.back().entries.size() >= kMaxCategoryEntries) {
    return;
  }
  // While loading, the chosen number counts the entries added so far.
  CategoryGroup& group = groups.back();
  group.chosen += 1;
  group.entries.resize(static_cast<size_t>(group.chosen));
  group.entries.back() = {std::move(value), std::move(caption)};
}

}  // namespace zentrova
