#pragma once

#include <functional>
#include <string>
#include <vector>

#include <QWidget>

#include "program/program.h"

class QGroupBox;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace zentrova {

// A side tab of page 0: a framed list of texts with its command buttons beside it. The list
// shows a vector of the core; choosing a row and every button go to the core.
class SideListTab : public QWidget {
  Q_OBJECT

 public:
  SideListTab(Program& program, const QString& frameName, const QString& listName,
              const QString& caption, QWidget* parent = nullptr);

  // Rows of paths are shown as the file system names them, other rows in the session's code
  // page.
  void SetRows(const std::vector<std::string>& rows, int currentRow, bool paths = false);
  QPushButton* AddButton(const QString& caption, std::function<void(Program&)> command);
  void OnRowChosen(std::function<void(Program&, int)> choose);

 protected:
  QVBoxLayout* Buttons() const { return buttons_; }
  QGroupBox* Frame() const { return frame_; }
  QVBoxLayout* UnderList() const { return underList_; }
  Program& program_;

 private:
  QGroupBox* frame_;
  QListWidget* list_;
  QVBoxLayout* buttons_;
  QVBoxLayout* underList_;
  bool filling_ = false;
};

}  // namespace zentrova
