#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// The export text of the open session's current ProfileValues (collected beforehand).
std::string SessionExportText(const Program& program);
void ExportSession(Program& program, const std::string& path);
bool ExportSessionCommand(Program& program);

}  // namespace zentrova
