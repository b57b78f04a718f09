#pragma once

#include <string>

#include "cli/manual.h"

namespace zentrova::cli {

// A bash completion script for the program of `manual`: its commands, the words that follow
// them (db compile, session export), the options of each, and file names where a value is one.
std::string BashCompletion(const Manual& manual);

}  // namespace zentrova::cli
