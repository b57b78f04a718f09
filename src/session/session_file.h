#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

inline constexpr int kSessionSignature = 998;
inline constexpr int kOldSessionSignature = 999;
inline constexpr int kMaxStoredText = 32767;

void WriteSession(Program& program, const std::string& path, bool remember);
void ReadSession(Program& program, const std::string& path, bool remember);

}  // namespace zentrova
