// zentrova-tool report SESSION --db DATABASE [--text | --html] [-o FILE]: the summary report
// that "&Summary Report" writes right after the program opened SESSION with DATABASE loaded.
#include <optional>
#include <string>
#include <vector>

#include "db_arguments.h"
#include "engines/engine_lists.h"
#include "reports/report_page.h"
#include "reports/summary_report.h"
#include "session/session_model.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {

constexpr char kUsage[] = "usage: report SESSION --db DATABASE [--text | --html] [-o FILE]";

struct ReportArguments {
  std::string session;
  std::string database;
  std::string output;  // empty: standard output
  int format = kHtmlReport;
};

std::optional<ReportArguments> ParseReportArguments(const std::vector<std::string>& args) {
  ReportArguments parsed;
  bool formatGiven = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (arg == "--db" && hasValue && parsed.database.empty()) {
      parsed.database = args[++i];
    } else if (arg == "-o" && hasValue && parsed.output.empty()) {
      parsed.output = args[++i];
    } else if ((arg == "--text" || arg == "--html") && !formatGiven) {
      formatGiven = true;
      parsed.format = arg == "--text" ? kTextReport : kHtmlReport;
    } else if (!arg.empty() && arg[0] != '-' && parsed.session.empty()) {
      parsed.session = arg;
    } else {
      return std::nullopt;
    }
  }
  if (parsed.session.empty() || parsed.database.empty()) {
    return std::nullopt;
  }
  return parsed;
}

}  // namespace

int ReportCommand(const std::vector<std::string>& args) {
  const std::optional<ReportArguments> arguments = ParseReportArguments(args);
  if (!arguments) {
    return Fail(kUsageError, kUsage);
  }
  if (const int code = RequireReadableFiles({arguments->database, arguments->session});
      code != kSuccess) {
    return code;
  }
  ToolProgram tool;
  tool.EchoMessages(false);
  if (const int code = tool.OpenDatabaseAndSession(arguments->database, arguments->session);
      code != kSuccess) {
    return code;
  }
  CollectSession(tool.program);
  UpdateQueueStatus(tool.program);
  ShowReport(tool.program, kSummaryReport);
  if (!WriteOutput(arguments->output, BuildSummaryReport(tool.program, arguments->format))) {
    return Fail(kFileError, "cannot write " + (arguments->output.empty() ? "to standard output"
                                                                         : arguments->output));
  }
  return kSuccess;
}

}  // namespace zentrova::tool
