#pragma once

#include "program/program.h"

namespace zentrova {

// Shows or hides the busy pointer over the main window during a long operation.
void SetBusyCursor(Program& program, bool busy);

}  // namespace zentrova
