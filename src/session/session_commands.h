#pragma once

#include "program/program.h"

namespace zentrova {

void NewSession(Program& program);
// True when the caller may go on.
bool AskSaveSession(Program& program);
// True when a file was written. SaveSession is also the run's save-if-changed step.
bool SaveSession(Program& program);
bool SaveSessionAs(Program& program);

// The File menu and start-page commands.
void NewSessionCommand(Program& program);
void OpenSessionCommand(Program& program);

}  // namespace zentrova
