#pragma once

#include "program/program.h"

namespace zentrova {

// "Registration"/"Version": major.minor.revision of this program.
std::string ProgramVersion();

// Module state, working folders, string table, database and batch list, in start-up order.
// False when the program has to end (a damaged installation; the message has been shown).
bool InitializeApplication(Program& program);
// Opens the session remembered in the settings, or a new one, and shows the start page.
void OpenStartupSession(Program& program);
// The exit routine: true when the program may end, false when the user cancelled the save
// prompt (or its Save As). Whatever the user built in the batch list is kept either way.
bool ExitApplication(Program& program);

}  // namespace zentrova
