#pragma once

#include <string>

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

// An engine-list file names the marked engines of the engine list, one per line.
FileOutcome SaveEngineList(Program& program, const std::string& path);
// Marks the engines the file names; a file that cannot be read changes nothing.
FileOutcome LoadEngineList(Program& program, const std::string& path);

// "Save List" and "Load List" under the engine list.
void SaveEngineListCommand(Program& program);
void LoadEngineListCommand(Program& program);

}  // namespace zentrova
