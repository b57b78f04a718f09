#pragma once

#include <cstdint>
#include <string>

#include "program/program.h"

namespace zentrova {

inline constexpr char kLogPageFile[] = "current.htm";

// Writes the page about the engine of the status list's current row into LOG and shows it.
void ShowLogPage(Program& program);
// "Go to Search Engine": needs a current row whose engine has a home address, and no long
// activity running.
void UpdateGoToEngineButton(Program& program);
// A file's length in bytes; 0 when it does not exist or cannot be examined.
std::int64_t FileLength(const std::string& path);

}  // namespace zentrova
