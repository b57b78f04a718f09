#pragma once

#include <QDialog>

#include "program/program.h"

namespace zentrova {

// Form10: picture, version, distributor and "Ok". Filled once when first built; "Ok" only
// hides it, so the next "&About" shows it as it was.
class AboutBox : public QDialog {
  Q_OBJECT

 public:
  AboutBox(const Program& program, QWidget* parent = nullptr);
};

// "Version " + major.minor.revision.
QString AboutVersionText();

}  // namespace zentrova
