#pragma once

#include "program/program.h"

namespace zentrova {

enum ReportTypeCode : int {
  kSummaryReport = 1,
  kSuccessfulOnly = 3,
  kFailedOnly = 4,
  kNoReport = 5
};

inline constexpr char kNoReportFile[] = "noreport.htm";

// Fills the status list for a report type and shows the matching page in the report view.
void ShowReport(Program& program, int type);

// The row text of the status list: the engine's name, a TAB and its result tag.
std::string StatusListRowText(const EngineRecord& engine);

// The Save menu.
void SaveReportAsText(Program& program);
void SaveReportAsHtml(Program& program);
void CopyReportToClipboard(Program& program);

// "&Erase Registration Data", after its question.
void EraseRegistrationData(Program& program);
// "&Go to Search Engine": the home address of the current row's engine.
void GoToSearchEngine(Program& program);
// A row of the status list becomes current.
void ChooseStatusRow(Program& program, int row);

}  // namespace zentrova
