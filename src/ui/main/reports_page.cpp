#include "ui/main/reports_page.h"

#include <QCursor>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "app/platform/windows1252.h"
#include "engines/engine_lists.h"
#include "program/outside_address.h"
#include "reports/report_page.h"
#include "submission/log_pages.h"
#include "ui/main/local_page_view.h"
#include "ui/main/status_list_view.h"

namespace zentrova {
namespace {

QPushButton* AddButton(QWidget* frame, QVBoxLayout* layout, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), frame);
  button->setObjectName(QString::fromLatin1(name));
  layout->addWidget(button);
  return button;
}

}  // namespace

ReportsPage::ReportsPage(Program& program, QWidget* parent)
    : PageFrame(program, kReportsPage, parent) {
  auto* columns = new QHBoxLayout;
  frame_ = new QGroupBox(this);
  frame_->setObjectName(QStringLiteral("ReportFrame"));
  auto* frameLayout = new QVBoxLayout(frame_);
  statusList_ = new StatusListView(frame_);
  statusList_->installEventFilter(this);
  frameLayout->addWidget(statusList_, 1);
  selectType_ = AddButton(frame_, frameLayout, "SelectReportType", "&Select Report Type");
  erase_ = AddButton(frame_, frameLayout, "EraseRegistrationData", "&Erase Registration Data");
  saveReport_ = AddButton(frame_, frameLayout, "SaveSummaryReport", "&Save Summary Report");
  goToEngine_ = AddButton(frame_, frameLayout, "GoToSearchEngine", "&Go to Search Engine");
  columns->addWidget(frame_, 1);
  reportView_ = new LocalPageView(this);
  reportView_->setObjectName(QStringLiteral("IE4Report"));
  columns->addWidget(reportView_, 2);
  Body()->addLayout(columns, 1);
  BuildMenus();

  connect(statusList_, &StatusListView::RowChosen, this,
          [this](int row) { ChooseStatusRow(program_, row); });
  connect(selectType_, &QPushButton::clicked, this, [this] { reportMenu_->popup(QCursor::pos()); });
  connect(saveReport_, &QPushButton::clicked, this, [this] { saveMenu_->popup(QCursor::pos()); });
  connect(erase_, &QPushButton::clicked, this, [this] { EraseRegistrationData(program_); });
  connect(goToEngine_, &QPushButton::clicked, this, [this] { GoToSearchEngine(program_); });
  connect(reportView_, &LocalPageView::ExternalLinkClicked, this, [this](const QUrl& url) {
    OpenClickedLink(*program_.ports.shell, EncodeWindows1252(url.toString()).bytes);
  });
  Refresh();
}

void ReportsPage::BuildMenus() {
  reportMenu_ = new QMenu(this);
  reportMenu_->setObjectName(QStringLiteral("ReportMenu"));
  const struct {
    const char* caption;
    int type;
  } reportItems[] = {{"&Summary Report", kSummaryReport},
                     {nullptr, 0},
                     {"&Successful Registration Only", kSuccessfulOnly},
                     {"&Failed Registration Only", kFailedOnly},
                     {nullptr, 0},
                     {"&No Report", kNoReport}};
  for (const auto& item : reportItems) {
    if (item.caption == nullptr) {
      reportMenu_->addSeparator();
      continue;
    }
    QAction* action = reportMenu_->addAction(QString::fromLatin1(item.caption));
    action->setCheckable(true);
    action->setData(item.type);
    const int type = item.type;
    connect(action, &QAction::triggered, this, [this, type] { ShowReport(program_, type); });
  }
  // After the chosen item has run, or without a choice: the menu hides before its action runs.
  connect(reportMenu_, &QMenu::aboutToHide, this,
          [this] { QTimer::singleShot(0, this, [this] { UpdateGoToEngineButton(program_); }); });

  saveMenu_ = new QMenu(this);
  saveMenu_->setObjectName(QStringLiteral("SaveMenu"));
  connect(saveMenu_->addAction(QStringLiteral("Save as &Text")), &QAction::triggered, this,
          [this] { SaveReportAsText(program_); });
  connect(saveMenu_->addAction(QStringLiteral("Save as &HTML")), &QAction::triggered, this,
          [this] { SaveReportAsHtml(program_); });
  saveMenu_->addSeparator();
  connect(saveMenu_->addAction(QStringLiteral("Copy To &Clipboard")), &QAction::triggered, this,
          [this] { CopyReportToClipboard(program_); });
}

void ReportsPage::Refresh() {
  const ReportState& reports = program_.reports;
  frame_->setTitle(DecodeWindows1252(reports.frameCaption));
  statusList_->Show(reports.statusList);
  for (QAction* action : reportMenu_->actions()) {
    if (action->isCheckable()) {
      action->setChecked(action->data().toInt() == reports.reportType);
    }
  }
  saveReport_->setEnabled(reports.saveReportEnabled);
  goToEngine_->setEnabled(reports.goToEngineEnabled);
  if (!reports.viewedPage.empty()) {
    reportView_->ShowFile(reports.viewedPage);
  }
}

bool ReportsPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == statusList_ && event->type() == QEvent::KeyPress) {
    QTimer::singleShot(0, this, [this] { UpdateSelectedCount(program_); });
  }
  return PageFrame::eventFilter(watched, event);
}

void ReportsPage::OnViewChanged(View view) {
  PageFrame::OnViewChanged(view);
  if (view == View::Report || view == View::BusyControls || view == View::EngineList) {
    Refresh();
  }
}

}  // namespace zentrova
