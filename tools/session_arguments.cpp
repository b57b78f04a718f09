#include "session_arguments.h"

#include <algorithm>

#include "session/session_model.h"
#include "tool_command.h"
#include "tool_program.h"

namespace zentrova::tool {

std::optional<SessionArguments> ParseSessionArguments(const std::vector<std::string>& args,
                                                      const std::vector<std::string>& choices) {
  SessionArguments parsed;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size() && !args[i + 1].empty();
    if (arg == "--db" && hasValue && parsed.database.empty()) {
      parsed.database = args[++i];
    } else if (arg == "-o" && hasValue && parsed.output.empty()) {
      parsed.output = args[++i];
    } else if (parsed.choice.empty() &&
               std::find(choices.begin(), choices.end(), arg) != choices.end()) {
      parsed.choice = arg;
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

int OpenSessionQuietly(ToolProgram& tool, const SessionArguments& arguments) {
  tool.EchoMessages(false);
  if (const int code = tool.OpenDatabaseAndSession(arguments.database, arguments.session);
      code != kSuccess) {
    return code;
  }
  CollectSession(tool.program);
  return kSuccess;
}

}  // namespace zentrova::tool
