#pragma once

#include "ui/main/page_frame.h"

class QGroupBox;
class QMenu;
class QPushButton;

namespace zentrova {

class LocalPageView;
class StatusListView;

// Page 1: the status list of the engines with their results, the report view and the report
// commands with their two popup menus.
class ReportsPage : public PageFrame {
  Q_OBJECT

 public:
  ReportsPage(Program& program, QWidget* parent = nullptr);
  void OnViewChanged(View view) override;
  void Refresh();

  QMenu* ReportMenu() const { return reportMenu_; }
  QMenu* SaveMenu() const { return saveMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();

  QGroupBox* frame_;
  StatusListView* statusList_;
  LocalPageView* reportView_;
  QPushButton* selectType_;
  QPushButton* erase_;
  QPushButton* saveReport_;
  QPushButton* goToEngine_;
  QMenu* reportMenu_;
  QMenu* saveMenu_;
};

}  // namespace zentrova
