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
#include "session_arguments.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {

// HTML unless "--text" was asked for.
int ReportFormatOf(const std::string& choice) {
  return choice == "--text" ? kTextReport : kHtmlReport;
}

}  // namespace

int ReportCommand(const std::vector<std::string>& args) {
  const std::optional<SessionArguments> arguments =
      ParseSessionArguments(args, {"--text", "--html"});
  if (!arguments) {
    return Fail(kUsageError, UsageOf("report"));
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
  if (!WriteOutput(arguments->output,
                   BuildSummaryReport(tool.program, ReportFormatOf(arguments->choice)))) {
    return Fail(kFileError, "cannot write " + (arguments->output.empty() ? "to standard output"
                                                                         : arguments->output));
  }
  return kSuccess;
}

}  // namespace zentrova::tool
