#include "app/command_line.h"

#include <iostream>
#include <string>

#include "cli/help_text.h"
#include "cli/manual.h"

namespace zentrova {

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << cli::HelpText(cli::ProgramManual());
      return 0;
    }
    if (arg == "--version" || arg == "-v") {
      std::cout << cli::VersionText(cli::ProgramManual());
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace zentrova
