#pragma once

#include <string>
#include <vector>

namespace zentrova {

// List7: the ordered Deep Promotion link list.
struct DeepPromotionState {
  std::vector<std::string> links;
  int currentRow = -1;
};

}  // namespace zentrova
