#pragma once

#include <string>

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

// The export text of the open session's current ProfileValues (collected beforehand), in UTF-8.
std::string SessionExportText(const Program& program);
FileOutcome ExportSession(Program& program, const std::string& path);
// True when a file was chosen and written; a failed write is reported.
bool ExportSessionCommand(Program& program);

}  // namespace zentrova
