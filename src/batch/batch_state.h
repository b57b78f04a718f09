#pragma once

#include <string>
#include <vector>

namespace zentrova {

inline constexpr int kBatchIdle = -100;

// List6 and the batch run.
struct BatchState {
  std::vector<std::string> sessions;
  int currentRow = -1;
  int position = kBatchIdle;
  std::string statusText;  // Label13
};

}  // namespace zentrova
