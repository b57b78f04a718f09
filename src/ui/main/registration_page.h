#pragma once

#include <array>

#include <QPixmap>

#include "ui/main/page_frame.h"

class QLabel;
class QPushButton;

namespace zentrova {

// Page 2 of the main window: the queue counters, the run's progress panel with its four step
// lamps, and the buttons that start and stop the online registration. It only draws the
// core's state and forwards the two buttons.
class RegistrationPage : public PageFrame {
  Q_OBJECT

 public:
  RegistrationPage(Program& program, QWidget* parent = nullptr);

  QPushButton* RunButton() const { return runButton_; }
  QPushButton* StopButton() const { return stopButton_; }

 private:
  void ShowCounters();
  void ShowProgress();
  void ShowBusyControls();

  QLabel* engineCount_;
  QLabel* successful_;
  QLabel* failed_;
  QLabel* ready_;
  QLabel* engineInProcess_;
  QLabel* linkInProcess_;
  QLabel* deepPromotion_;
  QLabel* deepLinkCount_;
  QLabel* currentDate_;
  QLabel* startedTime_;
  QLabel* currentTime_;
  std::array<QLabel*, 4> lamps_{};
  QPixmap litLamp_;
  QPixmap unlitLamp_;
  QPushButton* runButton_;
  QPushButton* stopButton_;
};

}  // namespace zentrova
