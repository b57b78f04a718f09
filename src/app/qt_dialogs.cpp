#include "app/qt_dialogs.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"

namespace zentrova {

namespace {

constexpr int kDialogOffset = 30;
constexpr int kDialogWidth = 760;
constexpr int kDialogHeight = 460;

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// "HTML files (*.htm;*.html)" with "*.htm;*.html" becomes the filter Qt reads, which lists
// the patterns in its own parentheses, separated by spaces.
QString NameFilter(const FileType& type) {
  QString description = DecodeWindows1252(type.description);
  const qsizetype open = description.lastIndexOf(QLatin1Char('('));
  if (open > 0) {
    description = description.left(open).trimmed();
  }
  QString patterns = DecodeWindows1252(type.pattern);
  patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
  return description + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

}  // namespace

QtDialogs::QtDialogs(std::function<QWidget*()> mainWindow) : mainWindow_(std::move(mainWindow)) {}

MessageAnswer QtDialogs::ShowMessage(const std::string& text, MessageButtons buttons,
                                     MessageIcon icon, const std::string& title) {
  QMessageBox box(BoxIcon(icon), DecodeWindows1252(title), DecodeWindows1252(text),
                  QMessageBox::NoButton, mainWindow_());
  // Texts of the program and of files ("No <HEAD> tag") are shown as they are, never as markup.
  box.setTextFormat(Qt::PlainText);
  switch (buttons) {
    case MessageButtons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      break;
    case MessageButtons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      break;
    case MessageButtons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Cancel:
      return MessageAnswer::Cancel;
    default:
      break;
  }
  // Closing a box with its close button means Cancel where there is one, and No where the
  // question has only Yes and No.
  if (buttons == MessageButtons::Ok) {
    return MessageAnswer::Ok;
  }
  return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Cancel;
}

std::string QtDialogs::AskOpenFileName(const FileDialogRequest& request) {
  return AskFileName(request, false);
}

std::string QtDialogs::AskSaveFileName(const FileDialogRequest& request) {
  return AskFileName(request, true);
}

std::string QtDialogs::AskFileName(const FileDialogRequest& request, bool save) {
  QWidget* owner = mainWindow_();
  QFileDialog dialog(owner);
  // Qt's own dialog, so that it can be placed beside the main window and asks no replace
  // question of its own: the program asks that.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  QStringList filters;
  for (const FileType& type : request.types) {
    filters << NameFilter(type);
  }
  dialog.setNameFilters(filters);
  // Wide enough for the name, size, type and date columns of the detail view.
  dialog.setViewMode(QFileDialog::Detail);
  dialog.resize(dialog.sizeHint().expandedTo(QSize(kDialogWidth, kDialogHeight)));
  if (!request.startFolder.empty()) {
    dialog.setDirectory(DecodePath(request.startFolder));
  }
  if (!request.fileName.empty()) {
    dialog.selectFile(DecodePath(request.fileName));
  }
  if (owner) {
    const QPoint corner = owner->frameGeometry().topLeft();
    QTimer::singleShot(0, &dialog, [&dialog, corner] {
      dialog.move(corner + QPoint(kDialogOffset, kDialogOffset));
    });
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return {};
  }
  return EncodePath(dialog.selectedFiles().first());
}

}  // namespace zentrova
