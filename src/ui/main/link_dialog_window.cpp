#include "ui/main/link_dialog_window.h"

#include <algorithm>

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"
#include "deeppromo/link_dialog.h"
#include "deeppromo/link_extraction.h"
#include "ui/main/picture_buttons.h"

namespace zentrova {

namespace {

QPushButton* AddButton(QHBoxLayout* row, QWidget* frame, const QString& name,
                       const QString& caption) {
  auto* button = new QPushButton(caption, frame);
  button->setObjectName(name);
  row->addWidget(button);
  return button;
}

void ShowText(QLineEdit* box, const std::string& text, bool path = false) {
  const QString shown = path ? DecodePath(text) : DecodeWindows1252(text);
  // Rewriting an unchanged box would move the user's cursor to its end.
  if (box->text() != shown) {
    box->setText(shown);
  }
}

}  // namespace

// A tool window: it floats beside the main window and takes the main window's shortcuts,
// F1 among them, while it has the focus.
LinkDialogWindow::LinkDialogWindow(Program& program, QWidget* mainWindow)
    : QWidget(mainWindow, Qt::Tool), program_(program) {
  setObjectName(QStringLiteral("Form99"));
  setWindowTitle(QStringLiteral("Add Links for Deep Promotion List"));
  auto* layout = new QVBoxLayout(this);

  options_[0] = AddOption(kTypeLinkFrame, QStringLiteral("Type HTTP Link"));
  auto* typed = new QHBoxLayout(options_[0].frame);
  typed->addWidget(new QLabel(QStringLiteral("http://"), options_[0].frame));
  typedAddress_ =
      AddBox(options_[0].frame, QStringLiteral("TypedAddress"), &LinkDialogState::typedAddress);
  typed->addWidget(typedAddress_, 1);
  auto* add = AddButton(typed, options_[0].frame, QStringLiteral("AddLink"), QStringLiteral("Add"));

  options_[1] =
      AddOption(kLocalFileFrame, QStringLiteral("Extract Links from HTM file on Local PC"));
  auto* file = new QHBoxLayout(options_[1].frame);
  filePath_ =
      AddBox(options_[1].frame, QStringLiteral("LinkFilePath"), &LinkDialogState::filePath, true);
  file->addWidget(filePath_, 1);
  auto* browse = AddButton(file, options_[1].frame, QStringLiteral("BrowseLinkFile"),
                           QStringLiteral("Browse"));
  auto* fileExtract = AddButton(file, options_[1].frame, QStringLiteral("ExtractFromFile"),
                                QStringLiteral("Extract"));

  options_[2] = AddOption(kWebSiteFrame, QStringLiteral("Extract Links from Internet Web Site"));
  auto* web = new QHBoxLayout(options_[2].frame);
  webScheme_ = new QLabel(QStringLiteral("http://"), options_[2].frame);
  web->addWidget(webScheme_);
  webAddress_ =
      AddBox(options_[2].frame, QStringLiteral("WebAddress"), &LinkDialogState::webAddress);
  web->addWidget(webAddress_, 1);
  webExtract_ = AddButton(web, options_[2].frame, QStringLiteral("ExtractFromWeb"),
                          QStringLiteral("Extract"));
  stop_ =
      AddButton(web, options_[2].frame, QStringLiteral("StopExtraction"), QStringLiteral("Stop"));

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(QStringLiteral("Press F1 for Help"), this));
  bottom->addStretch(1);
  auto* close = AddButton(bottom, this, QStringLiteral("CloseLinkDialog"), QStringLiteral("Close"));
  layout->addLayout(bottom);

  connect(add, &QPushButton::clicked, this, [this] { AddTypedLink(program_); });
  connect(browse, &QPushButton::clicked, this, [this] { BrowseForLinkFile(program_); });
  connect(fileExtract, &QPushButton::clicked, this, [this] { ExtractLinksFromFile(program_); });
  connect(webExtract_, &QPushButton::clicked, this, [this] { ExtractLinksFromWebSite(program_); });
  connect(stop_, &QPushButton::clicked, this, [this] { StopLinkExtraction(program_); });
  connect(close, &QPushButton::clicked, this, [this] { CloseLinkDialog(program_); });
  setMinimumWidth(520);
  Refresh();
}

LinkDialogWindow::Option LinkDialogWindow::AddOption(int number, const QString& caption) {
  auto* row = new QHBoxLayout;
  auto* button = new QRadioButton(this);
  button->setObjectName(QStringLiteral("Option%1").arg(number));
  button->setAccessibleName(caption);
  // The icon beside the option button chooses the frame just as the button does.
  auto* icon = new QToolButton(this);
  icon->setObjectName(QStringLiteral("OptionIcon%1").arg(number));
  icon->setIcon(SymbolIcon(QString::number(number)));
  icon->setAutoRaise(true);
  icon->setToolTip(caption);
  auto* frame = new QGroupBox(caption, this);
  frame->setObjectName(QStringLiteral("OptionFrame%1").arg(number));
  row->addWidget(button);
  row->addWidget(icon);
  row->addWidget(frame, 1);
  static_cast<QVBoxLayout*>(layout())->addLayout(row);
  connect(button, &QRadioButton::clicked, this, [this, number] { SetFrame(program_, number); });
  connect(icon, &QToolButton::clicked, this, [this, number] { SetFrame(program_, number); });
  return {button, frame};
}

QLineEdit* LinkDialogWindow::AddBox(QWidget* frame, const QString& name,
                                    std::string LinkDialogState::*text, bool path) {
  auto* box = new QLineEdit(frame);
  box->setObjectName(name);
  connect(box, &QLineEdit::textEdited, this, [this, text, path](const QString& typed) {
    program_.deepPromotion.dialog.*text = path ? EncodePath(typed) : EncodeWindows1252(typed).bytes;
  });
  return box;
}

void LinkDialogWindow::Refresh() {
  const LinkDialogState& dialog = program_.deepPromotion.dialog;
  for (int index = 0; index < 3; ++index) {
    options_[index].button->setChecked(dialog.option == index + 1);
  }
  ShowText(typedAddress_, dialog.typedAddress);
  ShowText(filePath_, dialog.filePath, true);
  ShowText(webAddress_, dialog.webAddress);

  const LinkDialogControls enabled = LinkDialogEnabled(program_);
  options_[0].frame->setEnabled(enabled.typeLinkFrame);
  options_[1].frame->setEnabled(enabled.localFileFrame);
  // The web frame stays usable for "Stop" while its own extraction holds the other controls.
  options_[2].frame->setEnabled(enabled.webSiteFrame || enabled.stop);
  webScheme_->setEnabled(enabled.webSiteFrame);
  webAddress_->setEnabled(enabled.webSiteFrame && !enabled.stop);
  webExtract_->setEnabled(enabled.webExtract);
  stop_->setEnabled(enabled.stop);

  if (dialog.visible && !isVisible()) {
    PlaceBesideMainWindow();
    show();
    raise();
  } else if (!dialog.visible && isVisible()) {
    hide();
  }
}

void LinkDialogWindow::PlaceBesideMainWindow() {
  if (placed_ || parentWidget() == nullptr) {
    return;
  }
  placed_ = true;
  adjustSize();
  const QRect main = parentWidget()->frameGeometry();
  QPoint corner(main.right() + 8, main.top());
  if (const QScreen* screen = parentWidget()->screen()) {
    const QRect room = screen->availableGeometry();
    if (corner.x() + width() > room.right()) {
      corner.setX(std::max(room.left(), room.right() - width()));
    }
  }
  move(corner);
}

}  // namespace zentrova
