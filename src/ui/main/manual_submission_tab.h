#pragma once

#include <QWidget>

#include "program/program.h"

class QMenu;
class QPushButton;
class QToolButton;

namespace zentrova {

class ManualBrowserView;

// Side tab "Manual Submission List": the manual submission browser above home, back, forward
// and "Paste Session Data to Current Field", which offers the "manual" menu of Profile values.
class ManualSubmissionTab : public QWidget {
  Q_OBJECT

 public:
  explicit ManualSubmissionTab(Program& program, QWidget* parent = nullptr);

  // The manual submission page, as the database loader wrote it.
  void GoHome();
  void PasteProfileEntry(int slot);

  ManualBrowserView* Browser() const { return browser_; }
  QMenu* ProfileMenu() const { return menu_; }
  QPushButton* PasteButton() const { return pasteButton_; }

 private:
  QToolButton* AddPictureButton(const char* name, const char* picture, const char* toolTip);

  Program& program_;
  ManualBrowserView* browser_;
  QMenu* menu_;
  QPushButton* pasteButton_;
};

}  // namespace zentrova
