#pragma once

#include <string>
#include <vector>

namespace zentrova {

inline constexpr int kBatchIdle = -100;
// Positions are 16-bit, so the list holds at most this many rows.
inline constexpr int kMaxBatchSessions = 32767;

// List6 and the batch run.
struct BatchState {
  std::vector<std::string> sessions;
  int currentRow = -1;
  int position = kBatchIdle;
  std::string statusText = "Inactive";  // Label13
};

}  // namespace zentrova
