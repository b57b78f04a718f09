#pragma once

#include "ui/main/page_frame.h"

class QGroupBox;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace zentrova {

// Page 1: the status list of the engines with their results, the report view and the report
// commands.
class ReportsPage : public PageFrame {
  Q_OBJECT

 public:
  ReportsPage(Program& program, QWidget* parent = nullptr);
  void OnViewChanged(View view) override;
  void Refresh();

 private:
  QGroupBox* frame_;
  QListWidget* statusList_;
  QTextBrowser* reportView_;
  QPushButton* saveReport_;
  QPushButton* goToEngine_;
};

}  // namespace zentrova
