#pragma once

#include <string>

namespace zentrova {

// The current date and time as the progress panel, the session and the reports show them.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::string DateText() const = 0;  // mm-dd-yyyy
  virtual std::string TimeText() const = 0;  // hh:mm:ss, 24-hour
};

}  // namespace zentrova
