#include "ui/main/manual_page.h"

#include <QTabWidget>

#include "ui/main/batch_tab.h"
#include "ui/main/deep_links_tab.h"
#include "ui/main/manual_submission_tab.h"

namespace zentrova {

ManualPage::ManualPage(Program& program, QWidget* parent)
    : PageFrame(program, kManualPage, parent) {
  sideTabs_ = new QTabWidget(this);
  sideTabs_->setObjectName(QStringLiteral("SSTab2"));
  sideTabs_->setTabPosition(QTabWidget::West);
  // Every tab stays whole: the page, and so the window, is at least as tall as the three tabs.
  sideTabs_->setUsesScrollButtons(false);
  deepLinks_ = new DeepLinksTab(program, sideTabs_);
  batch_ = new BatchTab(program, sideTabs_);
  manual_ = new ManualSubmissionTab(program, sideTabs_);
  sideTabs_->addTab(deepLinks_, QStringLiteral("Deep Promotion Link List"));
  sideTabs_->addTab(batch_, QStringLiteral("Session Batch List"));
  sideTabs_->addTab(manual_, QStringLiteral("Manual Submission List"));
  Body()->addWidget(sideTabs_, 1);
}

void ManualPage::OnViewChanged(View view) {
  PageFrame::OnViewChanged(view);
  if (view == View::DeepLinks || view == View::BusyControls) {
    deepLinks_->Refresh();
  }
  if (view == View::Batch || view == View::BusyControls) {
    batch_->Refresh();
  }
  if (view == View::ManualPage) {
    manual_->GoHome();
  }
}

}  // namespace zentrova
