#pragma once

#include <QWidget>

#include "program/program.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentrova {

// Form99 "Add Links for Deep Promotion List": a modeless window beside the main window that
// draws the core's dialog state. Every button goes to the core; the boxes hand their text to
// the core as it is typed, so a command always sees what the user sees.
class LinkDialogWindow : public QWidget {
  Q_OBJECT

 public:
  LinkDialogWindow(Program& program, QWidget* mainWindow);
  // Follows the core: shown or hidden, option ticked, box texts, enabled controls.
  void Refresh();

 private:
  struct Option {
    QRadioButton* button;
    QGroupBox* frame;
  };
  Option AddOption(int number, const QString& caption);
  // A path box holds the file system's bytes; the others hold the session's code page.
  QLineEdit* AddBox(QWidget* frame, const QString& name, std::string LinkDialogState::*text,
                    bool path = false);
  void PlaceBesideMainWindow();

  Program& program_;
  Option options_[3];
  QLineEdit* typedAddress_;
  QLineEdit* filePath_;
  QLabel* webScheme_;
  QLineEdit* webAddress_;
  QPushButton* webExtract_;
  QPushButton* stop_;
  bool placed_ = false;
};

}  // namespace zentrova
