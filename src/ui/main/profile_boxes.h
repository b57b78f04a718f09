#pragma once

#include <string>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "program/program.h"

namespace zentrova {

class StatusLine;

// What a profile box of either kind (a QLineEdit or a QPlainTextEdit) shares: the vartext slot
// it shows and edits, named "vartext_<slot>", and the slot's hint on the status line while it
// has the focus.
template <class Box>
class ProfileSlotBox : public Box {
 public:
  int Slot() const { return slot_; }

 protected:
  ProfileSlotBox(Program& program, StatusLine* status, int slot, QWidget* parent);
  void focusInEvent(QFocusEvent* event) override;
  // The refusal of a character the session cannot hold stands right under the box.
  void ShowRefusedCharacter();
  const std::string& Stored() const { return program_.session.editor.boxText[slot_]; }
  void Store(const std::string& bytes);

  Program& program_;
  StatusLine* status_;

 private:
  int slot_;
};

// vartext(slot): a one-line profile box. Only the user's own edits reach the session; text
// put in by the program (a session shown) does not count as an edit.
class ProfileLineBox : public ProfileSlotBox<QLineEdit> {
  Q_OBJECT

 public:
  // maxLength 0: no limit.
  ProfileLineBox(Program& program, StatusLine* status, int slot, int maxLength,
                 QWidget* parent = nullptr);
  void Refresh();

 private:
  void TakeUserEdit(const QString& text);
};

// vartext(slot) for the boxes that take several lines (the description, the META texts).
class ProfileTextBox : public ProfileSlotBox<QPlainTextEdit> {
  Q_OBJECT

 public:
  ProfileTextBox(Program& program, StatusLine* status, int slot, int maxLength,
                 QWidget* parent = nullptr);
  void Refresh();

 private:
  void TakeUserEdit();
  void ShowStored();

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
