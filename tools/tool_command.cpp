#include "tool_command.h"

#include <iostream>

#include "cli/help_text.h"
#include "cli/manual.h"

namespace zentrova::tool {

int Fail(int code, const std::string& message) {
  std::cerr << "zentrova-tool: " << message << '\n';
  return code;
}

int FailAtLine(const std::string& path, int line, const std::string& message) {
  return Fail(kFileError, path + ":" + std::to_string(line) + ": " + message);
}

std::string UsageOf(const std::string& name) {
  const cli::Manual& manual = cli::ToolManual();
  const cli::ManualCommand* command = cli::FindCommand(manual, name);
  return command != nullptr ? cli::UsageText(manual, *command) : "usage: see zentrova-tool --help";
}

}  // namespace zentrova::tool
