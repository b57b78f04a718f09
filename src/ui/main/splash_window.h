#pragma once

#include <QWidget>

#include "program/program.h"

namespace zentrova {

// Form2: the elliptic picture shown while the program starts.
class SplashWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 141;
  static constexpr int kHeight = 140;

  explicit SplashWindow(const Folders& folders);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const Folders& folders_;
};

}  // namespace zentrova
