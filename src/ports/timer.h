#pragma once

#include <functional>

namespace zentrova {

// A repeating timer on the user-interface thread. Enabling it (again) starts a full interval.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetInterval(int milliseconds) = 0;
  virtual int Interval() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Enabled() const = 0;

  std::function<void()> onTick;
};

}  // namespace zentrova
