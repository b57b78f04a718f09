#include "app/startup.h"

#include <filesystem>

#include "batch/session_batch.h"
#include "engines/database_loader.h"
#include "program/default_folders.h"
#include "program/main_page.h"
#include "reports/report_page.h"
#include "session/session_commands.h"
#include "session/session_file.h"
#include "submission/run_controller.h"
#include "text/string_table.h"

namespace zentrova {

namespace {

constexpr char kVersionSection[] = "Registration";
constexpr char kVersionKey[] = "Version";
constexpr char kSessionSection[] = "Initialization";
constexpr char kSessionKey[] = "Session";

// False when the user, told that the batch list could not be kept, stays in the program.
bool LeaveForGood(Program& program) {
  const FileOutcome batchList = SaveBatchList(program);
  if (!batchList) {
    const MessageAnswer answer = program.ports.dialogs->ShowMessage(
        WriteFailureMessage(BatchListPath(program), batchList) + "\n\nExit anyway?",
        MessageButtons::YesNo, MessageIcon::Exclamation, kAppTitle);
    if (answer != MessageAnswer::Yes) {
      return false;
    }
  }
  std::error_code ignored;
  std::filesystem::remove(ManualPagePath(program), ignored);
  return true;
}

}  // namespace

std::string ProgramVersion() {
  return std::to_string(ZENTROVA_VERSION_MAJOR) + "." + std::to_string(ZENTROVA_VERSION_MINOR) +
         "." + std::to_string(ZENTROVA_VERSION_PATCH);
}

bool InitializeApplication(Program& program) {
  program.categories.categoriesShown = false;
  program.engineLists.lastEngineListFile = "Search Engine List.sel";
  MakeWorkingFolders(program);
  ShowReport(program, kNoReport);
  LoadStringTable(program);
  program.text.serviceStatusUrl = ServiceStatusUrl(program);
  ShowRunStep(program, kRunIdle);
  program.ports.settings->Set(kVersionSection, kVersionKey, ProgramVersion());
  if (!OpenSubmissionDatabase(program, DatabasePath(program))) {
    return false;
  }
  LoadBatchList(program);
  program.batch.position = kBatchIdle;
  program.busy.runBatch = true;
  program.busy.batchStop = false;
  program.busy.deepPromotionFrame = true;
  program.views.Changed(View::BusyControls);
  program.views.Changed(View::Batch);
  return true;
}

void OpenStartupSession(Program& program) {
  const std::string name = program.ports.settings->Get(kSessionSection, kSessionKey);
  // A remembered file that is no (longer a) session leaves a new session open, and the
  // next Save asks for a name instead of writing over that file.
  if (name.empty() || name == kNewSessionFile ||
      ReadSession(program, name, true) == SessionRead::NotSession) {
    NewSession(program);
  }
  ShowMainPage(program, kStartPage);
}

bool ExitApplication(Program& program) {
  if (!program.session.saved && !AskSaveSession(program)) {
    return false;
  }
  return LeaveForGood(program);
}

}  // namespace zentrova
