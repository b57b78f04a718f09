#pragma once

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "program/program.h"

namespace zentrova {

class StatusLine;

// vartext(slot): a one-line profile box. Only the user's own edits reach the session; text
// put in by the program (a session shown) does not count as an edit.
class ProfileLineBox : public QLineEdit {
  Q_OBJECT

 public:
  // maxLength 0: no limit.
  ProfileLineBox(Program& program, StatusLine* status, int slot, int maxLength,
                 QWidget* parent = nullptr);
  int Slot() const { return slot_; }
  void Refresh();

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void TakeUserEdit(const QString& text);

  Program& program_;
  StatusLine* status_;
  int slot_;
};

// vartext(slot) for the boxes that take several lines (the description, the META texts).
class ProfileTextBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  ProfileTextBox(Program& program, StatusLine* status, int slot, int maxLength,
                 QWidget* parent = nullptr);
  int Slot() const { return slot_; }
  void Refresh();

 protected:
  void focusInEvent(QFocusEvent* event) override;

 private:
  void TakeUserEdit();
  void ShowStored();

  Program& program_;
  StatusLine* status_;
  int slot_;
  int maxLength_;
  bool showing_ = false;
};

// Check3, Check4 and Check5 of the editing view.
class ProfileCheckBox : public QCheckBox {
  Q_OBJECT

 public:
  ProfileCheckBox(Program& program, int number, const QString& caption, QWidget* parent = nullptr);
  void Refresh();

 private:
  Program& program_;
  int number_;
};

// Refreshes every profile box and check box under a widget from the editing view.
void RefreshProfileControls(QWidget* root);

}  // namespace zentrova
