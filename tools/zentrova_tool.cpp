#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "tool_command.h"
#include "tool_commands.h"

namespace zentrova::tool {
namespace {

const ToolCommand kCommands[] = {
#include "tool_command_table.inc"
};

void PrintHelp(std::ostream& out) {
  out << "Usage: zentrova-tool COMMAND [ARGUMENTS]\n\nCommands:\n";
  for (const auto& command : kCommands) {
    out << "  " << command.usage << '\n';
  }
}

}  // namespace
}  // namespace zentrova::tool

int main(int argc, char** argv) {
  using namespace zentrova::tool;
  if (argc < 2) {
    PrintHelp(std::cerr);
    return kUsageError;
  }
  const std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    PrintHelp(std::cout);
    return kSuccess;
  }
  const std::vector<std::string> args(argv + 2, argv + argc);
  for (const auto& command : kCommands) {
    if (name == command.name) {
      return command.run(args);
    }
  }
  return Fail(kUsageError, "unknown command '" + name + "' (see zentrova-tool --help)");
}
