#include "app/command_line.h"

#include <iostream>
#include <string>

#include "cli/help_text.h"
#include "cli/manual.h"

namespace zentrova {

namespace {

// A text that never reached its reader (a full disk, a closed pipe) is no answer.
int Printed(const std::string& text) {
  std::cout << text << std::flush;
  if (!std::cout) {
    std::cerr << "zentrova: cannot write to standard output\n";
    return 1;
  }
  return 0;
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      return Printed(cli::HelpText(cli::ProgramManual()));
    }
    if (arg == "--version" || arg == "-v") {
      return Printed(cli::VersionText(cli::ProgramManual()));
    }
  }
  return std::nullopt;
}

}  // namespace zentrova
