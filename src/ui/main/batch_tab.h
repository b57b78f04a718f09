#pragma once

#include "ui/main/side_list_tab.h"

class QLabel;

namespace zentrova {

// Side tab "Session Batch List": saved sessions run one after another.
class BatchTab : public SideListTab {
  Q_OBJECT

 public:
  BatchTab(Program& program, QWidget* parent = nullptr);
  void Refresh();

 private:
  QPushButton* run_;
  QPushButton* stop_;
  QLabel* status_;
};

}  // namespace zentrova
