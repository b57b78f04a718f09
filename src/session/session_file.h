#pragma once

#include <string>
#include <vector>

#include "program/program.h"

namespace zentrova {

inline constexpr int kSessionSignature = 998;
inline constexpr int kOldSessionSignature = 999;
inline constexpr int kMaxStoredText = 32767;

// What the session file and its text export store besides the profile: the engines 1 … E,
// and the Online Queue as the engines' own names (never a row's decorated text), top row first.
int StoredEngineCount(const Program& program);
std::vector<std::string> QueuedEngineNames(const Program& program);

void WriteSession(Program& program, const std::string& path, bool remember);
void ReadSession(Program& program, const std::string& path, bool remember);

}  // namespace zentrova
