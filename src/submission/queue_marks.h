#pragma once

#include "program/program.h"

namespace zentrova {

// Takes a row of the engine list out of the Online Queue the way a click would: the session
// then holds a changed queue and is saved at the next reply.
void UnmarkQueueRow(Program& program, int row);

}  // namespace zentrova
