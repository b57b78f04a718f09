#include "engines/database_loader.h"

#include <filesystem>
#include <memory>
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

// The page is only a view of the database, rebuilt at every start and removed at exit, so
// failing to write it does not stop the program (the manual submission browser then shows no
// page), and it is not worth holding up the start to flush it to disk.
void WriteManualPage(const Program& program, const std::vector<std::string>& lines) {
  std::string page;
  for (const auto& line : lines) {
    page += line;
    page += kCrLf;
  }
  std::error_code ignored;
  std::filesystem::create_directories(program.folders.SessionsFolder(), ignored);
  ReplaceFileBytes(ManualPagePath(program), Utf8HtmlPage(page), Flush::NotNeeded);
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
  // The bytes find their final place before they are restored, so the entries' views stay valid.
  auto texts = std::make_shared<std::string>(std::move(file.bytes));
  DatabaseCensus census;
  const RestoredDatabaseRecords records(
      *texts, [&census](std::string_view record) { census.Count(record); });
  if (records.Damage()) {
    return RejectDatabase(program);
  }
  // A rejected database leaves nothing behind: what was there before comes back.
  SubmissionDatabase previous = std::exchange(program.database, SubmissionDatabase());
  SortedList previousGroups = std::exchange(program.categories.groupList, SortedList());
  DatabaseInterpreter interpreter(program.database, program.categories.groupList);
  interpreter.Reserve(std::move(census));
  for (const std::string_view record : records) {
    if (interpreter.Take(record)) {
      program.database = std::move(previous);
      program.categories.groupList = std::move(previousGroups);
      return RejectDatabase(program);
    }
  }
  interpreter.Finish();
  program.database.recordTexts = std::move(texts);
  program.database.engineSlotCount = program.database.EngineCount() + 1;
  WriteManualPage(program, program.database.manualPageLines);
  program.views.Changed(View::ManualPage);
  return true;
}

bool OpenSubmissionDatabase(Program& program, const std::string& path) {
  if (!LoadSubmissionDatabase(program, path)) {
    return false;
  }
  program.database.engineSlotCount = program.database.EngineCount();
  return true;
}

}  // namespace zentrova
