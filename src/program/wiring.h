#pragma once

#include "program/program.h"

namespace zentrova {

// Connects the browser's events and the two timers to the core's handlers. Both timers are
// left disabled: the run controller switches them.
void ConnectPorts(Program& program);

}  // namespace zentrova
