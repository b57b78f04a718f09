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
// malformed file shows the corrupted-database message and ends the program; false then. The
// engine slot count is left as the data model has it while loading: the slot the next engine
// would take, one past the last engine.
bool LoadSubmissionDatabase(Program& program, const std::string& path);

// The database as start-up opens it, for the program and the companion tool alike: loaded, and
// its engine slot count settled to the number of engines, so that every walk over the table
// meets exactly the loaded engines. False as for LoadSubmissionDatabase.
bool OpenSubmissionDatabase(Program& program, const std::string& path);

}  // namespace zentrova
