#include "reports/report_page.h"

#include <optional>
#include <sstream>

#include "engines/engine_lists.h"
#include "program/busy_cursor.h"
#include "program/replace_file.h"
#include "reports/summary_report.h"
#include "session/file_dialogs.h"
#include "session/session_model.h"
#include "submission/log_pages.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

constexpr char kEraseQuestion[] =
    "Do you really want to erase the Online Registration Data in current session?";

std::string ResultTag(ResultCode result) {
  switch (result) {
    case kSuccessful:
      return "(Success)";
    case kFailed:
      return "(Failed)";
    default:
      return "(Not Reg)";
  }
}

std::string SummaryFilePath(const Program& program) {
  return program.folders.LogFolder() + ReportFileName(program.session.currentFile, ".htm");
}

// Every engine, or those with the wanted result.
void FillStatusList(Program& program, std::optional<ResultCode> wantedResult) {
  SortedList& statusList = program.reports.statusList;
  statusList.Clear();
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    const EngineRecord& engine = program.database.Engine(slot);
    if (!wantedResult || engine.RegistrationStatus() == *wantedResult) {
      statusList.Add(StatusListRowText(engine), slot);
    }
  }
}

void ShowSummary(Program& program) {
  ReportState& reports = program.reports;
  reports.frameCaption = "All Search Engines";
  reports.saveReportEnabled = true;
  SetBusyCursor(program, true);
  FillStatusList(program, std::nullopt);
  if (reports.statusList.Count() > 0) {
    ChooseStatusRow(program, 0);
  }
  const std::string path = SummaryFilePath(program);
  WriteSummaryReport(program, kHtmlReport, path);
  reports.viewedPage = path;
  SetBusyCursor(program, false);
}

void ShowResultsOnly(Program& program, int type) {
  ReportState& reports = program.reports;
  reports.frameCaption =
      type == kSuccessfulOnly ? "Successful Registrations" : "Failed Registrations";
  FillStatusList(program, type == kSuccessfulOnly ? kSuccessful : kFailed);
  if (reports.statusList.Count() > 0) {
    ChooseStatusRow(program, 0);
  }
  reports.saveReportEnabled = true;
}

void ShowNoReport(Program& program) {
  ReportState& reports = program.reports;
  reports.statusList.Clear();
  // Nothing is left to go to, whichever row was current before.
  UpdateGoToEngineButton(program);
  reports.frameCaption = "No Report";
  reports.saveReportEnabled = false;
  SetBusyCursor(program, true);
  const std::string path = program.folders.LogFolder() + kNoReportFile;
  ReplaceFileBytes(path,
                   Utf8HtmlPage(std::string("<html><center>Select Report Type</html>") + kCrLf));
  reports.viewedPage = path;
  SetBusyCursor(program, false);
}

void SaveReport(Program& program, const char* suffix, const char* extension, int format) {
  const std::string path =
      SaveFileDialog(program, ReportFileName(program.session.currentFile, suffix), extension);
  if (!path.empty()) {
    WrittenOrTold(program, path, WriteSummaryReport(program, format, path));
  }
}

}  // namespace

std::string StatusListRowText(const EngineRecord& engine) {
  return engine.name + "\t" + ResultTag(engine.RegistrationStatus());
}

void ShowReport(Program& program, int type) {
  UpdateGoToEngineButton(program);
  program.reports.reportType = type;
  switch (type) {
    case kSummaryReport:
      ShowSummary(program);
      break;
    case kSuccessfulOnly:
    case kFailedOnly:
      ShowResultsOnly(program, type);
      break;
    case kNoReport:
      ShowNoReport(program);
      break;
    default:
      break;
  }
  program.views.Changed(View::Report);
}

void SaveReportAsText(Program& program) {
  SaveReport(program, ".txt", "txt", kTextReport);
}

void SaveReportAsHtml(Program& program) {
  SaveReport(program, ".htm", "htm", kHtmlReport);
}

void CopyReportToClipboard(Program& program) {
  // Built afresh, not written over the summary file: the view goes on showing the HTML report.
  std::istringstream in(BuildSummaryReport(program, kTextReport));
  std::string text;
  std::string line;
  // Every line ended by CR LF, whatever a profile value held.
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    text += line + kCrLf;
  }
  program.ports.clipboard->SetText(text);
}

void EraseRegistrationData(Program& program) {
  const MessageAnswer answer = program.ports.dialogs->ShowMessage(
      kEraseQuestion, MessageButtons::YesNo, MessageIcon::Question, kAppTitle);
  if (answer == MessageAnswer::Yes) {
    for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
      EngineRecord& engine = program.database.Engine(slot);
      engine.DeepLinkStatus() = kNotSubmitted;
      engine.RegistrationStatus() = kNotSubmitted;
    }
    MarkSessionChanged(program);
    UpdateQueueStatus(program);
  }
  UpdateGoToEngineButton(program);
  ShowReport(program, program.reports.reportType);
}

void GoToSearchEngine(Program& program) {
  const SortedList& statusList = program.reports.statusList;
  const int row = statusList.CurrentRow();
  if (row < 0) {
    return;
  }
  const int slot = statusList.Row(row).data;
  if (slot >= 1 && slot <= program.database.EngineCount() &&
      !program.database.Engine(slot).homeUrl.empty()) {
    program.ports.shell->OpenAddress(program.database.Engine(slot).homeUrl);
  }
}

void ChooseStatusRow(Program& program, int row) {
  program.reports.statusList.SetCurrentRow(row);
  if (program.reports.statusList.CurrentRow() >= 0) {
    ShowLogPage(program);
  }
  program.views.Changed(View::Report);
}

}  // namespace zentrova
