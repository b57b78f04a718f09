#include "app/platform/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

#include "app/platform/windows1252.h"

namespace zentrova {

void QtShell::OpenAddress(const std::string& address) {
  QDesktopServices::openUrl(QUrl::fromUserInput(DecodeWindows1252(address)));
}

}  // namespace zentrova
