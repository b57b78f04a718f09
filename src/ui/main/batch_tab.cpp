#include "ui/main/batch_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "app/platform/windows1252.h"
#include "batch/batch_list.h"
#include "batch/session_batch.h"

namespace zentrova {

BatchTab::BatchTab(Program& program, QWidget* parent)
    : SideListTab(program, QStringLiteral("FrameBatch"), QStringLiteral("List6"),
                  QStringLiteral("Session Batch List"), parent) {
  AddButton(QStringLiteral("Add a Session into the List"), AddSessionToBatch);
  AddButton(QStringLiteral("Remove a Session from the List"), RemoveBatchSession);
  AddButton(QStringLiteral("Move Up"), MoveBatchSessionUp);
  AddButton(QStringLiteral("Move Down"), MoveBatchSessionDown);
  AddButton(QStringLiteral("Remove All"), RemoveAllBatchSessions);
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
  row->addWidget(new QLabel(QStringLiteral("Status"), this));
  row->addWidget(status_, 1);
  row->addWidget(run_);
  row->addWidget(stop_);
  UnderList()->addLayout(row);
  Refresh();
}

void BatchTab::Refresh() {
  const BatchState& batch = program_.batch;
  SetRows(batch.sessions, batch.currentRow);
  status_->setText(DecodeWindows1252(batch.statusText));
  Frame()->setEnabled(program_.busy.batchFrame);
  run_->setEnabled(program_.busy.runBatch);
  stop_->setEnabled(program_.busy.batchStop);
}

}  // namespace zentrova
