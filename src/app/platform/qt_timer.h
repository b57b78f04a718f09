#pragma once

#include <QTimer>

#include "ports/timer.h"

namespace zentrova {

class QtTimer : public Timer {
 public:
  QtTimer();

  void SetInterval(int milliseconds) override;
  int Interval() const override;
  void SetEnabled(bool enabled) override;
  bool Enabled() const override;

 private:
  QTimer timer_;
};

}  // namespace zentrova
