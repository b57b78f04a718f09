#include "ui/main/queue_page.h"

#include <QCursor>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include "app/platform/windows1252.h"
#include "engines/categories.h"
#include "engines/engine_list_files.h"
#include "engines/engine_lists.h"
#include "ui/main/profile_boxes.h"
#include "ui/main/sorted_list_view.h"

namespace zentrova {

namespace {

struct GroupEntry {
  const char* caption;
  int code;  // 0: the separator
};

constexpr GroupEntry kGroupMenu[] = {
    {"All General", kGroupAllGeneral},
    {"New Engines", kGroupNewEngines},
    {"Search Engines", kGroupSearchEngines},
    {"Directories", kGroupDirectories},
    {"News", kGroupNews},
    {"Link Listings", kGroupLinkListings},
    {"", 0},
    {"Not Registered Yet", kGroupNotRegisteredYet},
    {"Failed Registration", kGroupFailed},
    {"Already Registered", kGroupAlreadyRegistered},
};

QPushButton* ListButton(const char* name, const char* caption, const char* tip, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(QString::fromLatin1(tip));
  return button;
}

}  // namespace

QueuePage::QueuePage(Program& program, QWidget* parent) : PageFrame(program, kQueuePage, parent) {
  auto* frame = new QGroupBox(QStringLiteral("Internet Search Engines for Registration"), this);
  auto* layout = new QVBoxLayout(frame);
  list_ = new SortedListView(QStringLiteral("List1"), true, frame);
  list_->installEventFilter(this);
  connect(list_, &QListWidget::itemClicked, this,
          [this](QListWidgetItem* item) { ToggleEngineMark(program_, list_->row(item)); });
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!list_->Redrawing()) {
      ChooseEngineRow(program_, row);
    }
  });
  layout->addWidget(list_, 1);

  auto* buttons = new QHBoxLayout;
  auto* selectAll = ListButton("SelectAll", "Select All", "Select All General Engines", frame);
  auto* select = ListButton("SelectGroup", "Select", "Select Engine Group ", frame);
  auto* clear = ListButton("ClearGroup", "Clear", "Clear Engine Group", frame);
  loadList_ = ListButton("LoadList", "Load List", "Load Engine List", frame);
  saveList_ = ListButton("SaveList", "Save List", "Save Engine List", frame);
  showCategories_ =
      ListButton("ShowCategories", "Show Categories", "Show Choosen Categories", frame);
  for (auto* button : {selectAll, select, clear, loadList_, saveList_, showCategories_}) {
    buttons->addWidget(button);
  }
  selected_ = new QLabel(frame);
  selected_->setObjectName(QStringLiteral("LabelSelected"));
  buttons->addWidget(selected_, 1, Qt::AlignRight);
  layout->addLayout(buttons);
  layout->addWidget(new ProfileCheckBox(
      program, 3, QStringLiteral("Do not repeat already Successful Registration"), frame));
  Body()->addWidget(frame, 1);

  groupMenu_ = new QMenu(this);
  groupMenu_->setObjectName(QStringLiteral("GroupMenu"));
  for (const GroupEntry& entry : kGroupMenu) {
    if (entry.code == 0) {
      groupMenu_->addSeparator();
      continue;
    }
    QAction* action = groupMenu_->addAction(QString::fromLatin1(entry.caption));
    const int code = entry.code;
    connect(action, &QAction::triggered, this, [this, code] { ChooseEngineGroup(program_, code); });
  }

  connect(selectAll, &QPushButton::clicked, this, [this] {
    SelectEngineGroup(program_, program_.engineLists.engineList, kGroupAllGeneral, true);
  });
  connect(select, &QPushButton::clicked, this, [this, select] { ShowGroupMenu(select, true); });
  connect(clear, &QPushButton::clicked, this, [this, clear] { ShowGroupMenu(clear, false); });
  connect(loadList_, &QPushButton::clicked, this, [this] { LoadEngineListCommand(program_); });
  connect(saveList_, &QPushButton::clicked, this, [this] { SaveEngineListCommand(program_); });
  connect(showCategories_, &QPushButton::clicked, this,
          [this] { ToggleEngineCategories(program_); });

  list_->Show(program.engineLists.engineList);
  RefreshButtons();
}

void QueuePage::ShowGroupMenu(QPushButton* button, bool select) {
  BeginGroupSelection(program_, select);
  // Beside the pressed button when the mouse is elsewhere (a key press, a test).
  const QPoint mouse = QCursor::pos();
  const QRect area(button->mapToGlobal(QPoint(0, 0)), button->size());
  groupMenu_->popup(area.contains(mouse) ? mouse : area.bottomLeft());
}

bool QueuePage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    if (list_->currentRow() >= 0) {
      ToggleEngineMark(program_, list_->currentRow());
    }
    return true;
  }
  return PageFrame::eventFilter(watched, event);
}

void QueuePage::RefreshButtons() {
  selected_->setText(DecodeWindows1252(program_.engineLists.status.selected));
  showCategories_->setText(DecodeWindows1252(program_.categories.showButtonCaption));
  loadList_->setEnabled(program_.busy.loadList);
  saveList_->setEnabled(program_.busy.saveList);
}

void QueuePage::OnViewChanged(View view) {
  PageFrame::OnViewChanged(view);
  switch (view) {
    case View::EngineList:
    case View::Categories:
      list_->Show(program_.engineLists.engineList);
      RefreshButtons();
      break;
    case View::QueueStatus:
    case View::BusyControls:
      RefreshButtons();
      break;
    default:
      break;
  }
}

}  // namespace zentrova
