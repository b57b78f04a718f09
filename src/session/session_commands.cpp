#include "session/session_commands.h"

#include "engines/categories.h"
#include "engines/engine_lists.h"
#include "program/main_page.h"
#include "reports/report_page.h"
#include "session/file_dialogs.h"
#include "session/log_folder.h"
#include "session/session_file.h"
#include "session/session_model.h"

namespace zentrova {

namespace {

constexpr char kSaveQuestion[] = "Do you want to save current session?";
constexpr char kSessionExtension[] = "ses";

bool NeverSaved(const Program& program) {
  return program.session.currentFile == kNewSessionFile;
}

// A failed write leaves the session unsaved under its old name; the user is told why.
bool WriteOrTell(Program& program, const std::string& path) {
  return WrittenOrTold(program, path, WriteSession(program, path, true));
}

// A name the user never chose (the ".ses" of a converted old file) replaces an existing file
// only when the user agrees; otherwise Save As picks another name.
bool SaveUnderCurrentName(Program& program) {
  if (program.session.confirmReplace && !ConfirmReplace(program, program.session.currentFile)) {
    return SaveSessionAs(program);
  }
  return WriteOrTell(program, program.session.currentFile);
}

}  // namespace

void NewSession(Program& program) {
  SetCurrentSessionFile(program, kNewSessionFile, true);
  program.session.confirmReplace = false;
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    program.database.Engine(slot).ClearRunFields();
  }
  ClearLogPages(program);
  ShowMainPage(program, kProfilePage);
  FillEngineLists(program);
  // The report view goes back to "No Report", whose page the clearing has just removed and
  // whose status list stays empty, though the engine lists have just filled it.
  ShowReport(program, kNoReport);
  ResetProfile(program);
  ResetCategories(program);
  ShowSession(program);
  UpdateQueueStatus(program);
  program.session.saved = true;
}

bool AskSaveSession(Program& program) {
  if (program.session.saved) {
    return true;
  }
  const MessageAnswer answer = program.ports.dialogs->ShowMessage(
      kSaveQuestion, MessageButtons::YesNoCancel, MessageIcon::Question, kAppTitle);
  if (answer == MessageAnswer::No) {
    return true;
  }
  if (answer != MessageAnswer::Yes) {
    return false;
  }
  if (NeverSaved(program)) {
    return SaveSessionAs(program);
  }
  return SaveUnderCurrentName(program);
}

bool SaveSession(Program& program) {
  if (program.session.saved) {
    return false;
  }
  if (NeverSaved(program)) {
    return SaveSessionAs(program);
  }
  return SaveUnderCurrentName(program);
}

bool SaveSessionAs(Program& program) {
  const std::string name = SaveFileDialog(program, program.session.currentFile, kSessionExtension);
  if (name.empty()) {
    return false;
  }
  return WriteOrTell(program, name);
}

void NewSessionCommand(Program& program) {
  if (AskSaveSession(program)) {
    ShowMainPage(program, kProfilePage);
    NewSession(program);
  }
}

void OpenSessionCommand(Program& program) {
  if (!AskSaveSession(program)) {
    return;
  }
  const std::string path = OpenFileDialog(program, kSessionFiles, "");
  if (!path.empty()) {
    ReadSession(program, path, true);
  }
}

}  // namespace zentrova
