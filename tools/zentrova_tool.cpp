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

// True when `word` is one of the verbs the command's forms begin with, as "export" is of
// "session export SESSION …".
bool IsVerbOf(const cli::ManualCommand& command, const std::string& word) {
  const std::string start = command.name + ' ' + word;
  for (const std::string& form : command.forms) {
    if (form.rfind(start, 0) == 0 && (form.size() == start.size() || form[start.size()] == ' ')) {
      return true;
    }
  }
  return false;
}

// "COMMAND --help", and for a command with verbs also "COMMAND VERB --help", as users type it
// after reading a usage line.
bool AsksForCommandHelp(const cli::ManualCommand* command, const std::vector<std::string>& args) {
  if (args.empty()) {
    return false;
  }
  return IsHelp(args[0]) ||
         (command != nullptr && args.size() > 1 && IsHelp(args[1]) && IsVerbOf(*command, args[0]));
}

int RunCommandLine(int argc, char** argv) {
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
  const std::string commandName = name == "help" ? args[0] : name;
  const cli::ManualCommand* described = cli::FindCommand(manual, commandName);
  const bool commandHelp = name == "help" || AsksForCommandHelp(described, args);
  for (const auto& command : kCommands) {
    if (commandName != command.name) {
      continue;
    }
    if (commandHelp) {
      std::cout << (described != nullptr ? cli::CommandHelpText(manual, *described)
                                         : cli::HelpText(manual));
      return kSuccess;
    }
    return command.run(args);
  }
  return Fail(kUsageError, "unknown command '" + commandName + "' (see zentrova-tool --help)");
}

// A page, a key or a line that never reached its reader (a full disk, a closed pipe) is a
// failure, whatever the command made of it.
int ExitCode(int commandCode) {
  std::cout.flush();
  if (commandCode == kSuccess && !std::cout) {
    return Fail(kFileError, "cannot write to standard output");
  }
  return commandCode;
}

}  // namespace
}  // namespace zentrova::tool

int main(int argc, char** argv) {
  using namespace zentrova::tool;
  return ExitCode(RunCommandLine(argc, argv));
}
