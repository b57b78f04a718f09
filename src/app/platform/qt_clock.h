#pragma once

#include "ports/clock.h"

namespace zentrova {

class QtClock : public Clock {
 public:
  std::string DateText() const override;
  std::string TimeText() const override;
};

}  // namespace zentrova
