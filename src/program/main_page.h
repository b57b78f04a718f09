#pragma once

#include "program/program.h"

namespace zentrova {

// Makes `page` the page of the main tab strip, whether the user or a command chose it.
void ShowMainPage(Program& program, int page);

}  // namespace zentrova
