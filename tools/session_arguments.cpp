#include "session_arguments.h"

#include <algorithm>

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

}  // namespace zentrova::tool
