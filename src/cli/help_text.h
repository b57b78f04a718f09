#pragma once

#include <string>

#include "cli/manual.h"

namespace zentrova::cli {

// What `PROGRAM --help` prints: usage, commands, options, exit status, environment.
std::string HelpText(const Manual& manual);

// What `PROGRAM COMMAND --help` prints: every form of the command, what it does, its options.
std::string CommandHelpText(const Manual& manual, const ManualCommand& command);

// "usage: PROGRAM FORM | FORM …" on one line, for a bad command line's message.
std::string UsageText(const Manual& manual, const ManualCommand& command);

// What `--version` prints.
std::string VersionText(const Manual& manual);

}  // namespace zentrova::cli
