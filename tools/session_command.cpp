// zentrova-tool session export SESSION --db DATABASE [-o FILE]: the text that "E&xport Session
// Data" writes right after the program opened SESSION with DATABASE loaded.
#include <optional>
#include <string>
#include <vector>

#include "db_arguments.h"
#include "session/session_export.h"
#include "session/session_model.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {

constexpr char kUsage[] = "usage: session export SESSION --db DATABASE [-o FILE]";

struct ExportArguments {
  std::string session;
  std::string database;
  std::string output;  // empty: standard output
};

std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "export") {
    return std::nullopt;
  }
  ExportArguments parsed;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (arg == "--db" && hasValue && parsed.database.empty()) {
      parsed.database = args[++i];
    } else if (arg == "-o" && hasValue && parsed.output.empty()) {
      parsed.output = args[++i];
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

int SessionCommand(const std::vector<std::string>& args) {
  const std::optional<ExportArguments> arguments = ParseExportArguments(args);
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
  if (!WriteOutput(arguments->output, SessionExportText(tool.program))) {
    return Fail(kFileError, "cannot write " + (arguments->output.empty() ? "to standard output"
                                                                         : arguments->output));
  }
  return kSuccess;
}

}  // namespace zentrova::tool
