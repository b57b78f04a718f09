// zentrova-tool report SESSION --db DATABASE [--text | --html | --json] [-o FILE]: the summary
// report that "&Summary Report" writes right after the program opened SESSION with DATABASE
// loaded, or each engine's result as JSON for scripts.
#include <optional>
#include <string>
#include <vector>

#include "db_arguments.h"
#include "engines/engine_lists.h"
#include "reports/report_page.h"
#include "reports/summary_report.h"
#include "session/session_model.h"
#include "session_arguments.h"
#include "submission_json.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {

// HTML unless "--text" was asked for.
int ReportFormatOf(const std::string& choice) {
  return choice == "--text" ? kTextReport : kHtmlReport;
}

// One line per engine the session holds a result for, in the database's order.
std::string ResultsJson(const Program& program) {
  std::string out;
  const SubmissionDatabase& database = program.database;
  for (int slot = 1; slot <= database.EngineCount(); ++slot) {
    const EngineRecord& engine = database.Engine(slot);
    if (engine.RegistrationStatus() != kNotSubmitted) {
      out += SubmissionJson(EngineResult(engine, program.session.profile[kPageAddress])) + '\n';
    }
  }
  return out;
}

}  // namespace

int ReportCommand(const std::vector<std::string>& args) {
  const std::optional<SessionArguments> arguments =
      ParseSessionArguments(args, {"--text", "--html", "--json"});
  if (!arguments) {
    return Fail(kUsageError, UsageOf("report"));
  }
  ToolProgram tool;
  if (const int code = OpenSessionQuietly(tool, *arguments); code != kSuccess) {
    return code;
  }
  UpdateQueueStatus(tool.program);
  ShowReport(tool.program, kSummaryReport);
  const std::string text =
      arguments->choice == "--json"
          ? ResultsJson(tool.program)
          : SummaryReportFileBytes(tool.program, ReportFormatOf(arguments->choice));
  return WriteCommandOutput(arguments->output, text);
}

}  // namespace zentrova::tool
