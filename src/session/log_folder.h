#pragma once

#include "program/program.h"

namespace zentrova {

// Deletes every "*.htm" file of the LOG folder; errors are ignored.
void ClearLogPages(Program& program);

}  // namespace zentrova
