#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// An engine-list file names the marked engines of the engine list, one per line.
void SaveEngineList(Program& program, const std::string& path);
void LoadEngineList(Program& program, const std::string& path);

// "Save List" and "Load List" under the engine list.
void SaveEngineListCommand(Program& program);
void LoadEngineListCommand(Program& program);

}  // namespace zentrova
