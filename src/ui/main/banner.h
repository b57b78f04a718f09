#pragma once

#include <QLabel>

#include "program/program.h"

namespace zentrova {

// The program's banner picture, drawn sharp at the screen's scale.
class Banner : public QLabel {
  Q_OBJECT

 public:
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 56;

  Banner(const Folders& folders, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const Folders& folders_;
};

}  // namespace zentrova
