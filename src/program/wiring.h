#pragma once

#include "program/program.h"

namespace zentrova {

// Connects the browser's events and the two timers to the core's handlers. Both timers are
// left disabled: the run controller switches them.
void ConnectPorts(Program& program);
// Gives a run the platform's own browser, timers and clock in place of the ones the program
// had, and connects them; the other ports stay as they were.
void AttachRunPorts(Program& program, Browser& browser, Clock& clock, Timer& replyTimer,
                    Timer& clockTimer);

}  // namespace zentrova
