#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

inline constexpr char kDatabaseFileName[] = "kelvox.dll";
// The manual submission page, rebuilt from the database at every start.
inline constexpr char kManualPageFileName[] = "manual.htm";

// The database file in use: AppFolder's when there is one, else the installation's.
std::string DatabasePath(const Program& program);
// Full path of the manual submission page in AppFolder's SESSIONS folder.
std::string ManualPagePath(const Program& program);

// Fills the engine table and the category groups, writes "SESSIONS/manual.htm". A missing or
// malformed file shows the corrupted-database message and ends the program; false then.
bool LoadSubmissionDatabase(Program& program, const std::string& path);

}  // namespace zentrova
