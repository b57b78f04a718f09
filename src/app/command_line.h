#pragma once

#include <optional>

namespace zentrova {

// Answers --help and --version before any window system is opened, so both work in a plain
// terminal; nothing when the program should start. Every other argument is Qt's.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace zentrova
