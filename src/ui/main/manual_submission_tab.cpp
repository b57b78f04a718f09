#include "ui/main/manual_submission_tab.h"

#include <QCursor>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/platform/windows1252.h"
#include "engines/database_loader.h"
#include "manual/profile_paste.h"
#include "ui/browser/manual_browser_view.h"
#include "ui/main/pictures.h"

namespace zentrova {
namespace {

// Kept beside the other data of the user, apart from the submission browser's.
constexpr char kProfileFolder[] = "browser";

}  // namespace

ManualSubmissionTab::ManualSubmissionTab(Program& program, QWidget* parent)
    : QWidget(parent),
      program_(program),
      browser_(new ManualBrowserView(program.folders.appFolder + kProfileFolder, this)),
      menu_(new QMenu(this)),
      pasteButton_(new QPushButton(QStringLiteral("Paste Session Data to Current Field"), this)) {
  setObjectName(QStringLiteral("ManualSubmissionTab"));
  menu_->setObjectName(QStringLiteral("manual"));
  menu_->setTitle(QStringLiteral("manual"));
  for (const ProfileMenuEntry& entry : kProfileMenuEntries) {
    QAction* action = menu_->addAction(QString::fromLatin1(entry.caption));
    connect(action, &QAction::triggered, this,
            [this, slot = entry.slot] { PasteProfileEntry(slot); });
  }
  pasteButton_->setObjectName(QStringLiteral("PasteSessionData"));

  auto* row = new QHBoxLayout;
  QToolButton* home = AddPictureButton("ManualHome", "home", "Manual Submission List");
  QToolButton* back = AddPictureButton("ManualBack", "back", "Back");
  QToolButton* forward = AddPictureButton("ManualForward", "forward", "Forward");
  for (QToolButton* button : {home, back, forward}) {
    row->addWidget(button);
  }
  row->addWidget(pasteButton_);
  row->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(browser_, 1);
  layout->addLayout(row);

  connect(home, &QToolButton::clicked, this, &ManualSubmissionTab::GoHome);
  // The view's history does nothing, and says nothing, past either end.
  connect(back, &QToolButton::clicked, browser_, &ManualBrowserView::back);
  connect(forward, &QToolButton::clicked, browser_, &ManualBrowserView::forward);
  connect(pasteButton_, &QPushButton::clicked, this, [this] { menu_->popup(QCursor::pos()); });
}

void ManualSubmissionTab::GoHome() {
  browser_->ShowFile(ManualPagePath(program_));
}

void ManualSubmissionTab::PasteProfileEntry(int slot) {
  browser_->PasteIntoFocusedField(DecodeWindows1252(PasteProfileValue(program_, slot)));
}

QToolButton* ManualSubmissionTab::AddPictureButton(const char* name, const char* picture,
                                                   const char* toolTip) {
  auto* button = new QToolButton(this);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(PictureIcon(program_.folders, QString::fromLatin1(picture)));
  button->setIconSize(QSize(24, 24));
  button->setToolTip(QString::fromLatin1(toolTip));
  button->setAccessibleName(button->toolTip());
  return button;
}

}  // namespace zentrova
