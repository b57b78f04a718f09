#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

inline constexpr char kDatabaseFileName[] = "kelvox.dll";

// The database file in use: AppFolder's when there is one, else the installation's.
std::string DatabasePath(const Program& program);

// Fills the engine table and the category groups, writes "SESSIONS/manual.htm". A missing or
// malformed file shows the corrupted-database message and ends the program; false then.
bool LoadSubmissionDatabase(Program& program, const std::string& path);

void AddCategoryGroup(Program& program, const std::string& title, int profileField);
void AddCategoryEntry(Program& program, const std::string& value, const std::string& caption);

}  // namespace zentrova
