#pragma once

#include <QLabel>

#include "program/program.h"

namespace zentrova {

// Label25: the one-line hint under the pages.
class StatusLine : public QLabel {
  Q_OBJECT

 public:
  StatusLine(Program& program, QWidget* parent = nullptr);

  // A page (0 … 7) or a field (100 + slot).
  void ShowHint(int code);
  // Why typed text was not taken.
  void ShowRefusal(const QString& text);
  // Sessions, databases and engines speak Windows-1252: a character outside it is refused
  // where it is typed, so the user sees at once what cannot be kept instead of finding a "?"
  // in a submission later.
  void ShowRefusedCharacter();

 private:
  Program& program_;
};

}  // namespace zentrova
