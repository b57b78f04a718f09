#pragma once

#include "ui/main/side_list_tab.h"

class QLabel;

namespace zentrova {

class ProfileCheckBox;

// Side tab "Deep Promotion Link List": the pages of the site submitted after the main page.
class DeepLinksTab : public SideListTab {
  Q_OBJECT

 public:
  DeepLinksTab(Program& program, QWidget* parent = nullptr);
  void Refresh();

 private:
  QLabel* count_;
};

}  // namespace zentrova
