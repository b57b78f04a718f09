#pragma once

#include "program/program.h"

namespace zentrova {

// The user's data folder and the installation's data folder, as the environment and the
// running executable's location give them. Both end in "/".
Folders DefaultFolders();

// Creates AppFolder with its LOG and SESSIONS folders; a folder that exists or cannot be made
// is no error.
void MakeWorkingFolders(Program& program);

}  // namespace zentrova
