#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// The short name of the generated file, from LastOpenedFileName and a number.
std::string MakeNewFileName(Program& program, int n);

// "&Browse": the source file and a fresh new-file name into their boxes.
void BrowseMetaSource(Program& program);

// "&Generate ": writes the META copy of the source file with its message; true when the copy
// was written.
bool GenerateMetaTags(Program& program);

}  // namespace zentrova
