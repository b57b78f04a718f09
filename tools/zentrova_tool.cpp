#include <iostream>
#include <string>
#include <vector>

#include "cli/help_text.h"
#include "cli/manual.h"
#include "tool_command.h"
#include "tool_commands.h"

namespace zentrova::tool {
namespace {

const ToolCommand kCommands[] = {
#include "tool_command_table.inc"
};

bool IsHelp(const std::string& arg) {
  return arg == "--help" || arg == "-h";
}

}  // namespace
}  // namespace zentrova::tool

int main(int argc, char** argv) {
  using namespace zentrova;
  using namespace zentrova::tool;
  const cli::Manual& manual = cli::ToolManual();
  if (argc < 2) {
    std::cerr << cli::HelpText(manual);
    return kUsageError;
  }
  const std::string name = argv[1];
  const std::vector<std::string> args(argv + 2, argv + argc);
  if (IsHelp(name) || (name == "help" && args.empty())) {
    std::cout << cli::HelpText(manual);
    return kSuccess;
  }
  if (name == "--version" || name == "-v") {
    std::cout << cli::VersionText(manual);
    return kSuccess;
  }
  const bool commandHelp = name == "help" || (!args.empty() && IsHelp(args[0]));
  const std::string commandName = name == "help" ? args[0] : name;
  for (const auto& command : kCommands) {
    if (commandName != command.name) {
      continue;
    }
    if (commandHelp) {
      const cli::ManualCommand* described = cli::FindCommand(manual, commandName);
      std::cout << (described != nullptr ? cli::CommandHelpText(manual, *described)
                                         : cli::HelpText(manual));
      return kSuccess;
    }
    return command.run(args);
  }
  return Fail(kUsageError, "unknown command '" + commandName + "' (see zentrova-tool --help)");
}
