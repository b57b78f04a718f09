#include "app/platform/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "app/platform/windows1252.h"

namespace zentrova {

void QtClipboard::SetText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(DecodeWindows1252(text));
}

}  // namespace zentrova
