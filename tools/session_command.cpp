// zentrova-tool session export SESSION --db DATABASE [-o FILE]: the text that "E&xport Session
// Data" writes right after the program opened SESSION with DATABASE loaded.
#include <optional>
#include <string>
#include <vector>

#include "db_arguments.h"
#include "session/session_export.h"
#include "session/session_model.h"
#include "session_arguments.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {}  // namespace

int SessionCommand(const std::vector<std::string>& args) {
  if (args.empty() || args[0] != "export") {
    return Fail(kUsageError, UsageOf("session"));
  }
  const std::optional<SessionArguments> arguments =
      ParseSessionArguments(std::vector<std::string>(args.begin() + 1, args.end()), {});
  if (!arguments) {
    return Fail(kUsageError, UsageOf("session"));
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
