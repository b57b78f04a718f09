#pragma once

#include <string>

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

enum ReportFormat : int { kTextReport = 1, kHtmlReport = 2 };

// The report's file name (no folder) for a session stored at `sessionPath`.
std::string ReportFileName(const std::string& sessionPath, const std::string& suffix);

// The whole report in the session's code page; format 2 is HTML, anything else plain text.
std::string BuildSummaryReport(const Program& program, int format);
// The report as its file holds it: UTF-8, and the HTML declared so.
std::string SummaryReportFileBytes(const Program& program, int format);
// Writes it to `path`, replacing the file, or says why it could not.
FileOutcome WriteSummaryReport(const Program& program, int format, const std::string& path);

}  // namespace zentrova
