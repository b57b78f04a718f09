#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

void ExportSession(Program& program, const std::string& path);
bool ExportSessionCommand(Program& program);

}  // namespace zentrova
