#include "ui/main/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>

#include "app/platform/windows1252.h"
#include "engines/engine_lists.h"
#include "program/main_page.h"
#include "session/session_commands.h"
#include "session/session_export.h"
#include "ui/main/about_box.h"
#include "ui/main/help_window.h"
#include "ui/main/keywords_page.h"
#include "ui/main/manual_page.h"
#include "ui/main/meta_page.h"
#include "ui/main/pictures.h"
#include "ui/main/profile_page.h"
#include "ui/main/queue_page.h"
#include "ui/main/registration_page.h"
#include "ui/main/reports_page.h"
#include "ui/main/start_page.h"
#include "ui/main/status_line.h"

namespace zentrova {

namespace {

constexpr int kPageCount = 8;
constexpr QSize kTabPictureSize(36, 36);

// The tab strip runs in step order, so the start page is the leftmost tab.
int TabIndexOfPage(int page) {
  return kStartPage - page;
}
int PageOfTabIndex(int index) {
  return kStartPage - index;
}

// What each tab's picture stands for, for the tool tip and for screen readers.
const char* const kTabNames[kPageCount] = {
    "Deep Promotion", "Reports",  "Online Registration", "Queue",
    "META Tags",      "Keywords", "Web Site Profile",    "Start",
};

}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
  setObjectName(QStringLiteral("Form7"));
  setWindowTitle(DecodeWindows1252(program.window.caption));

  auto* central = new QWidget(this);
  auto* grid = new QGridLayout(central);
  grid->setContentsMargins(6, 6, 6, 4);
  tabs_ = new QTabWidget(central);
  tabs_->setObjectName(QStringLiteral("SSTab1"));
  tabs_->setIconSize(kTabPictureSize);
  // All eight steps stay in sight, however narrow the window becomes.
  tabs_->setUsesScrollButtons(false);
  status_ = new StatusLine(program, central);
  next_ = new QPushButton(QStringLiteral("Ne&xt >>"), central);
  next_->setObjectName(QStringLiteral("Command3"));
  auto* f1 = new QLabel(QStringLiteral("F1 - Help"), central);
  f1->setObjectName(QStringLiteral("Label41"));
  grid->addWidget(tabs_, 0, 0, 1, 2);
  grid->addWidget(next_, 1, 1, Qt::AlignRight);
  grid->addWidget(status_, 2, 0);
  grid->addWidget(f1, 2, 1, Qt::AlignRight);
  grid->setColumnStretch(0, 1);
  setCentralWidget(central);

  BuildPages();
  BuildMenus();
  connect(next_, &QPushButton::clicked, this, &MainWindow::ShowNextPage);
  connect(tabs_, &QTabWidget::currentChanged, this, &MainWindow::OnTabChanged);
  auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
  connect(helpKey, &QShortcut::activated, this,
          [this] { Help()->ShowTopic(HelpContext(CurrentPage())); });

  // The core outlives no window, but a window may go before the program's last notification.
  QPointer<MainWindow> self(this);
  program.views.Subscribe([self](View view) {
    if (self) {
      self->OnViewChanged(view);
    }
  });
  resize(960, 720);
}

MainWindow::~MainWindow() {
  if (busyCursorShown_) {
    QApplication::restoreOverrideCursor();
  }
}

void MainWindow::BuildPages() {
  pages_[kStartPage] = new StartPage(program_, tabs_);
  pages_[kProfilePage] = new ProfilePage(program_, status_, tabs_);
  pages_[kKeywordsPage] = new KeywordsPage(program_, status_, tabs_);
  pages_[kMetaPage] = new MetaPage(program_, status_, tabs_);
  pages_[kQueuePage] = new QueuePage(program_, tabs_);
  pages_[kRegistrationPage] = new RegistrationPage(program_, tabs_);
  pages_[kReportsPage] = new ReportsPage(program_, tabs_);
  pages_[kManualPage] = new ManualPage(program_, tabs_);
  for (int index = 0; index < kPageCount; ++index) {
    const int page = PageOfTabIndex(index);
    PageFrame* frame = pages_[static_cast<size_t>(page)];
    frame->setObjectName(QStringLiteral("Page%1").arg(page));
    tabs_->addTab(frame, PictureIcon(program_.folders, QStringLiteral("tab%1").arg(page)),
                  QString());
    tabs_->setTabToolTip(index, QString::fromLatin1(kTabNames[page]));
  }
  StartPage* start = Start();
  connect(start, &StartPage::newSessionClicked, this, [this] { NewSessionCommand(program_); });
  connect(start, &StartPage::openSessionClicked, this, [this] { OpenSessionCommand(program_); });
  connect(start, &StartPage::saveSessionClicked, this, [this] { SaveSession(program_); });
}

void MainWindow::BuildMenus() {
  QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
  file->setObjectName(QStringLiteral("m_file"));
  auto add = [this](QMenu* menu, const char* name, const char* caption, auto handler) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  add(file, "m_new", "&New Session", [this] { NewSessionCommand(program_); });
  add(file, "m_open", "&Open Session ...", [this] { OpenSessionCommand(program_); });
  file->addSeparator();
  add(file, "m_save", "Sa&ve Session", [this] { SaveSession(program_); });
  add(file, "m_saveas", "Sav&e Session as ...", [this] { SaveSessionAs(program_); });
  add(file, "export", "E&xport Session Data", [this] { ExportSessionCommand(program_); });
  file->addSeparator();
  add(file, "exit", "E&xit", [this] { close(); });

  helpMenu_ = menuBar()->addMenu(QStringLiteral("&Help"));
  helpMenu_->setObjectName(QStringLiteral("m_help"));
  helpContents_ = add(helpMenu_, "m_contents", "Help &Contents", [this] { Help()->ShowTopic(0); });
  helpMenu_->addSeparator();
  add(helpMenu_, "m_about", "&About", [this] { ShowAbout(); });
}

QAction* MainWindow::AddHelpCommand(const QString& caption, std::function<void()> command) {
  const QList<QAction*> actions = helpMenu_->actions();
  const qsizetype after = actions.indexOf(helpContents_);
  auto* action = new QAction(caption, helpMenu_);
  helpMenu_->insertAction(actions.value(after + 1), action);
  connect(action, &QAction::triggered, this, [command] { command(); });
  return action;
}

StartPage* MainWindow::Start() const {
  return static_cast<StartPage*>(pages_[kStartPage]);
}

void MainWindow::ShowPage(int page) {
  tabs_->setCurrentIndex(TabIndexOfPage(page));
}

int MainWindow::CurrentPage() const {
  return PageOfTabIndex(tabs_->currentIndex());
}

void MainWindow::OnTabChanged(int index) {
  const int page = PageOfTabIndex(index);
  ShowMainPage(program_, page);
  ShowHint(page);
}

void MainWindow::ShowNextPage() {
  const int page = CurrentPage();
  ShowPage(page >= 1 ? page - 1 : kStartPage);
}

void MainWindow::ShowHint(int code) {
  status_->ShowHint(code);
}

void MainWindow::RefreshWindowTexts() {
  setWindowTitle(DecodeWindows1252(program_.window.caption));
  OnViewChanged(View::Categories);
  ShowHint(CurrentPage());
}

HelpWindow* MainWindow::Help() {
  if (!help_) {
    help_ = new HelpWindow(program_.folders, this);
  }
  return help_;
}

AboutBox* MainWindow::About() {
  if (!about_) {
    about_ = new AboutBox(program_, this);
  }
  return about_;
}

void MainWindow::ShowAbout() {
  AboutBox* box = About();
  box->show();
  box->raise();
}

void MainWindow::OnViewChanged(View view) {
  switch (view) {
    case View::Caption:
      setWindowTitle(DecodeWindows1252(program_.window.caption));
      break;
    case View::Tab:
      ShowPage(program_.window.currentTab);
      break;
    case View::Cursor:
      if (program_.window.busyCursor != busyCursorShown_) {
        busyCursorShown_ = program_.window.busyCursor;
        if (busyCursorShown_) {
          QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
          QApplication::restoreOverrideCursor();
        }
      }
      break;
    default:
      break;
  }
  for (PageFrame* page : pages_) {
    page->OnViewChanged(view);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (exitRequest_ && !exitRequest_()) {
    event->ignore();
    return;
  }
  event->accept();
}

// The queue's counters follow the window, as they always have.
void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (isVisible()) {
    UpdateQueueStatus(program_);
  }
}

}  // namespace zentrova
