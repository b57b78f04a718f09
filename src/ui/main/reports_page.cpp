#include "ui/main/reports_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "app/platform/windows1252.h"

namespace zentrova {

ReportsPage::ReportsPage(Program& program, QWidget* parent)
    : PageFrame(program, kReportsPage, parent) {
  auto* columns = new QHBoxLayout;
  frame_ = new QGroupBox(this);
  auto* frameLayout = new QVBoxLayout(frame_);
  statusList_ = new QListWidget(frame_);
  statusList_->setObjectName(QStringLiteral("List3"));
  frameLayout->addWidget(statusList_, 1);
  const char* captions[] = {"&Select Report Type", "&Erase Registration Data",
                            "&Save Summary Report", "&Go to Search Engine"};
  QPushButton* buttons[4] = {};
  int index = 0;
  for (const char* caption : captions) {
    buttons[index] = new QPushButton(QString::fromLatin1(caption), frame_);
    frameLayout->addWidget(buttons[index]);
    ++index;
  }
  saveReport_ = buttons[2];
  goToEngine_ = buttons[3];
  columns->addWidget(frame_, 1);
  reportView_ = new QTextBrowser(this);
  reportView_->setObjectName(QStringLiteral("IE4Report"));
  columns->addWidget(reportView_, 2);
  Body()->addLayout(columns, 1);
  Refresh();
}

void ReportsPage::Refresh() {
  const ReportState& reports = program_.reports;
  frame_->setTitle(DecodeWindows1252(reports.frameCaption));
  statusList_->clear();
  for (const ListRow& row : reports.statusList.Rows()) {
    statusList_->addItem(DecodeWindows1252(row.text));
  }
  statusList_->setCurrentRow(reports.statusList.CurrentRow());
  saveReport_->setEnabled(reports.saveReportEnabled);
  goToEngine_->setEnabled(reports.goToEngineEnabled);
  if (!reports.viewedPage.empty()) {
    reportView_->setSource(QUrl::fromLocalFile(QString::fromLocal8Bit(reports.viewedPage.c_str())));
  }
}

void ReportsPage::OnViewChanged(View view) {
  PageFrame::OnViewChanged(view);
  if (view == View::Report || view == View::BusyControls || view == View::EngineList) {
    Refresh();
  }
}

}  // namespace zentrova
