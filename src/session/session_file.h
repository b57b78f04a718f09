#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

inline constexpr int kSessionSignature = 998;
inline constexpr int kOldSessionSignature = 999;
inline constexpr int kMaxStoredText = 32767;

// What the session file and its text export store besides the profile: the engines 1 … E,
// and the Online Queue as the engines' own names (never a row's decorated text), top row first.
int StoredEngineCount(const Program& program);
std::vector<std::string> QueuedEngineNames(const Program& program);

// The largest file a session can be: every profile slot at its longest text, plus room for the
// engine entries, links and queue of a full database. Anything larger is no session.
inline constexpr std::size_t kMaxSessionFileBytes =
    2 + kProfileSlotCount * (2 + static_cast<std::size_t>(kMaxStoredText)) + 4 * 1024 * 1024;

// Writes the session; only a written file becomes the current (and remembered) one and
// counts as saved. A failure changes nothing.
FileOutcome WriteSession(Program& program, const std::string& path, bool remember);

enum class SessionRead {
  Read,       // a current-format session
  Converted,  // an old-format session, to be saved as ".ses"
  NotSession  // "Cannot recognize Session file" was shown; the open session is as it was
};
SessionRead ReadSession(Program& program, const std::string& path, bool remember);

}  // namespace zentrova
