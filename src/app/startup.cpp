#include "app/startup.h"

#include <filesystem>

#include "batch/session_batch.h"
#include "engines/database_loader.h"
#include "program/default_folders.h"
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

void LeaveForGood(Program& program) {
  SaveBatchList(program);
  std::error_code ignored;
  std::filesystem::remove(ManualPagePath(program), ignored);
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
  ShowRunStep(program, 0);
  program.ports.settings->Set(kVersionSection, kVersionKey, ProgramVersion());
  if (!LoadSubmissionDatabase(program, DatabasePath(program))) {
    return false;
  }
  LoadBatchList(program);
  program.batch.position = kBatchIdle;
  program.busy.runBatch = true;
  program.busy.batchStop = false;
  program.busy.deepPromotionFrame = true;
  // From here on the count is the number of engines: every walk over the table meets
  // exactly the loaded engines.
  program.database.engineSlotCount -= 1;
  program.views.Changed(View::BusyControls);
  program.views.Changed(View::Batch);
  return true;
}

void OpenStartupSession(Program& program) {
  const std::string name = program.ports.settings->Get(kSessionSection, kSessionKey);
  if (!name.empty() && name != kNewSessionFile) {
    ReadSession(program, name, true);
  } else {
    NewSession(program);
  }
  program.window.currentTab = kStartPage;
  program.views.Changed(View::Tab);
}

bool ExitApplication(Program& program) {
  if (!program.session.saved && !AskSaveSession(program)) {
    return false;
  }
  LeaveForGood(program);
  return true;
}

}  // namespace zentrova
