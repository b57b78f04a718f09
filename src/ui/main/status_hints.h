#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// Hint codes 0 … 7 stand for the pages, 100 + slot for the profile boxes.
inline constexpr int kFieldHintBase = 100;

std::string StatusHintText(int code);
// Puts the hint of a page or a field into the window's status line.
void ShowStatusHint(Program& program, int code);

}  // namespace zentrova
