#include "ui/main/batch_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/platform/windows1252.h"
#include "batch/batch_list.h"
#include "batch/session_batch.h"
#include "ui/main/picture_buttons.h"

namespace zentrova {

namespace {

constexpr ListEditButtons kEditButtons = {
    {"Command28", "Command29", "Command30", "Command31", "Command12"},
    "Session",
    {AddSessionToBatch, RemoveBatchSession, MoveBatchSessionUp, MoveBatchSessionDown,
     RemoveAllBatchSessions},
};

}  // namespace

BatchTab::BatchTab(Program& program, QWidget* parent)
    : SideListTab(program, QStringLiteral("FrameBatch"), QStringLiteral("List6"),
                  QStringLiteral("Session Batch List"), parent) {
  OnRowChosen(SelectBatchSession);
  run_ = new QPushButton(QStringLiteral("&Run Session Batch"), this);
  run_->setObjectName(QStringLiteral("Command10"));
  stop_ = new QPushButton(QStringLiteral("&Stop"), this);
  stop_->setObjectName(QStringLiteral("Command11"));
  connect(run_, &QPushButton::clicked, this, [this] { RunSessionBatch(program_); });
  connect(stop_, &QPushButton::clicked, this, [this] { StopSessionBatch(program_); });
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("Label13"));
  auto* row = new QHBoxLayout;
  AddListEditButtons(row, Frame(), program_, kEditButtons);
  row->addStretch(1);
  UnderList()->addLayout(row);
  // The run buttons and the status line sit outside the frame: a running batch disables the
  // frame but must keep "&Stop" usable.
  auto* run = new QHBoxLayout;
  run->addWidget(new QLabel(QStringLiteral("Status"), this));
  run->addWidget(status_, 1);
  run->addWidget(run_);
  run->addWidget(stop_);
  static_cast<QVBoxLayout*>(layout())->addLayout(run);
  Refresh();
}

void BatchTab::Refresh() {
  const BatchState& batch = program_.batch;
  SetRows(batch.sessions, batch.currentRow, true);
  status_->setText(DecodeWindows1252(batch.statusText));
  Frame()->setEnabled(program_.busy.batchFrame);
  run_->setEnabled(program_.busy.runBatch);
  stop_->setEnabled(program_.busy.batchStop);
}

}  // namespace zentrova
