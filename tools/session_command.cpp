// zentrova-tool session export SESSION --db DATABASE [-o FILE]: the text that "E&xport Session
// Data" writes right after the program opened SESSION with DATABASE loaded.
#include <optional>
#include <string>
#include <vector>

#include "db_arguments.h"
#include "session/session_export.h"
#include "session_arguments.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

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
  if (const int code = OpenSessionQuietly(tool, *arguments); code != kSuccess) {
    return code;
  }
  return WriteCommandOutput(arguments->output, SessionExportText(tool.program));
}

}  // namespace zentrova::tool
