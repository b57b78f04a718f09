#include "ui/main/deep_links_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "deeppromo/deep_link_list.h"
#include "deeppromo/link_dialog.h"
#include "ui/main/link_dialog_window.h"
#include "ui/main/picture_buttons.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

namespace {

constexpr ListEditButtons kEditButtons = {
    {"AddDeepLink", "RemoveDeepLink", "MoveDeepLinkUp", "MoveDeepLinkDown", "RemoveAllDeepLinks"},
    "Link",
    {ShowLinkDialog, RemoveDeepLink, MoveDeepLinkUp, MoveDeepLinkDown, RemoveAllDeepLinks},
};

}  // namespace

DeepLinksTab::DeepLinksTab(Program& program, QWidget* parent)
    : SideListTab(program, QStringLiteral("Frame2"), QStringLiteral("List7"),
                  QStringLiteral("Deep Promotion Link List"), parent) {
  OnRowChosen(SelectDeepLink);
  auto* row = new QHBoxLayout;
  AddListEditButtons(row, Frame(), program_, kEditButtons);
  auto* check = new ProfileCheckBox(
      program, 5, QStringLiteral("Use this list for Deep Promotion in current Session"), Frame());
  // The registration page's "Activated"/"Deactivated" label follows the box.
  connect(check, &QCheckBox::clicked, this, [this] { program_.views.Changed(View::DeepLinks); });
  row->addWidget(check);
  row->addStretch(1);
  UnderList()->addLayout(row);
  count_ = new QLabel(Frame());
  count_->setObjectName(QStringLiteral("DeepLinkCount"));
  UnderList()->addWidget(count_);
  Refresh();
}

void DeepLinksTab::Refresh() {
  const DeepPromotionState& deep = program_.deepPromotion;
  SetRows(deep.links, deep.currentRow);
  count_->setText(QStringLiteral("Deep Promotion Links: %1").arg(deep.links.size()));
  Frame()->setEnabled(program_.busy.deepPromotionFrame);
  RefreshLinkDialog();
}

void DeepLinksTab::RefreshLinkDialog() {
  if (linkDialog_ == nullptr) {
    if (!program_.deepPromotion.dialog.visible) {
      return;
    }
    // Made on first use, as a window of its own beside the main window.
    linkDialog_ = new LinkDialogWindow(program_, window());
  }
  linkDialog_->Refresh();
}

}  // namespace zentrova
