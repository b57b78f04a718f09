#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

std::string MakeNewFileName(Program& program, int n);

}  // namespace zentrova
