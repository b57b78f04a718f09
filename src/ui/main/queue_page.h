#pragma once

#include "ui/main/page_frame.h"

class QLabel;
class QMenu;
class QPushButton;

namespace zentrova {

class SortedListView;

// Page 3: the engine list whose marked rows are the Online Queue, and its buttons.
class QueuePage : public PageFrame {
  Q_OBJECT

 public:
  QueuePage(Program& program, QWidget* parent = nullptr);
  void OnViewChanged(View view) override;

  SortedListView* EngineList() const { return list_; }
  QMenu* GroupMenu() const { return groupMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowGroupMenu(QPushButton* button, bool select);
  void RefreshButtons();

  SortedListView* list_;
  QLabel* selected_;
  QMenu* groupMenu_;
  QPushButton* loadList_;
  QPushButton* saveList_;
  QPushButton* showCategories_;
};

}  // namespace zentrova
