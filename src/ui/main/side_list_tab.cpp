#include "ui/main/side_list_tab.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"

namespace zentrova {

SideListTab::SideListTab(Program& program, const QString& frameName, const QString& listName,
                         const QString& caption, QWidget* parent)
    : QWidget(parent), program_(program) {
  auto* layout = new QVBoxLayout(this);
  frame_ = new QGroupBox(caption, this);
  frame_->setObjectName(frameName);
  auto* columns = new QHBoxLayout(frame_);
  auto* left = new QVBoxLayout;
  list_ = new QListWidget(frame_);
  list_->setObjectName(listName);
  left->addWidget(list_, 1);
  underList_ = new QVBoxLayout;
  left->addLayout(underList_);
  columns->addLayout(left, 1);
  buttons_ = new QVBoxLayout;
  columns->addLayout(buttons_);
  buttons_->addStretch(1);
  layout->addWidget(frame_);
}

void SideListTab::SetRows(const std::vector<std::string>& rows, int currentRow, bool paths) {
  filling_ = true;
  list_->clear();
  for (const std::string& row : rows) {
    list_->addItem(paths ? DecodePath(row) : DecodeWindows1252(row));
  }
  list_->setCurrentRow(currentRow);
  filling_ = false;
}

QPushButton* SideListTab::AddButton(const QString& caption, std::function<void(Program&)> command) {
  auto* button = new QPushButton(caption, frame_);
  connect(button, &QPushButton::clicked, this, [this, command] { command(program_); });
  buttons_->insertWidget(buttons_->count() - 1, button);
  return button;
}

void SideListTab::OnRowChosen(std::function<void(Program&, int)> choose) {
  connect(list_, &QListWidget::currentRowChanged, this, [this, choose](int row) {
    if (!filling_ && row >= 0) {
      choose(program_, row);
    }
  });
}

}  // namespace zentrova
