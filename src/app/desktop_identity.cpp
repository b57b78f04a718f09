#include "app/desktop_identity.h"

#include <QFile>
#include <QGuiApplication>

namespace zentrova {

namespace {

constexpr int kIconSizes[] = {16, 32, 48, 64, 128, 256};

}  // namespace

QIcon ProgramIcon(const std::string& dataFolder) {
  const QString id = QStringLiteral(ZENTROVA_APP_ID);
  const QString icons = QString::fromStdString(dataFolder) + QStringLiteral("../icons/hicolor/");
  QIcon icon;
  // The drawn sizes first, so small windows get the pixels made for them, not a scaled SVG.
  for (const int size : kIconSizes) {
    const QString file = icons + QStringLiteral("%1x%1/apps/").arg(size) + id + ".png";
    if (QFile::exists(file)) {
      icon.addFile(file, QSize(size, size));
    }
  }
  const QString scalable = icons + QStringLiteral("scalable/apps/") + id + ".svg";
  if (icon.isNull() && QFile::exists(scalable)) {
    icon.addFile(scalable);
  }
  return icon;
}

void SetDesktopIdentity(const std::string& dataFolder) {
  QGuiApplication::setDesktopFileName(QStringLiteral(ZENTROVA_APP_ID));
  QGuiApplication::setWindowIcon(ProgramIcon(dataFolder));
}

}  // namespace zentrova
