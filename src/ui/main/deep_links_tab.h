#pragma once

#include "ui/main/side_list_tab.h"

class QLabel;

namespace zentrova {

class LinkDialogWindow;

// Side tab "Deep Promotion Link List": the pages of the site submitted after the main page.
// It also owns the window of the dialog that fills the list.
class DeepLinksTab : public SideListTab {
  Q_OBJECT

 public:
  DeepLinksTab(Program& program, QWidget* parent = nullptr);
  void Refresh();
  // Null until the dialog is first shown.
  LinkDialogWindow* LinkDialog() const { return linkDialog_; }

 private:
  void RefreshLinkDialog();

  QLabel* count_;
  LinkDialogWindow* linkDialog_ = nullptr;
};

}  // namespace zentrova
