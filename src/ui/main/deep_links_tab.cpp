#include "ui/main/deep_links_tab.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "deeppromo/deep_link_list.h"
#include "deeppromo/link_dialog.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

DeepLinksTab::DeepLinksTab(Program& program, QWidget* parent)
    : SideListTab(program, QStringLiteral("Frame2"), QStringLiteral("List7"),
                  QStringLiteral("Deep Promotion Link List"), parent) {
  AddButton(QStringLiteral("Add a Link into the List"), ShowLinkDialog);
  AddButton(QStringLiteral("Remove a Link from the List"), RemoveDeepLink);
  AddButton(QStringLiteral("Move Up"), MoveDeepLinkUp);
  AddButton(QStringLiteral("Move Down"), MoveDeepLinkDown);
  AddButton(QStringLiteral("Remove All"), RemoveAllDeepLinks);
  OnRowChosen(SelectDeepLink);
  auto* check = new ProfileCheckBox(
      program, 5, QStringLiteral("Use this list for Deep Promotion in current Session"), this);
  UnderList()->addWidget(check);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("Label44"));
  UnderList()->addWidget(count_);
  Refresh();
}

void DeepLinksTab::Refresh() {
  const DeepPromotionState& deep = program_.deepPromotion;
  SetRows(deep.links, deep.currentRow);
  count_->setText(QStringLiteral("Deep Promotion Links: %1").arg(deep.links.size()));
  Frame()->setEnabled(program_.busy.deepPromotionFrame);
}

}  // namespace zentrova
