#include "app/platform/qt_clock.h"

#include <QDateTime>

namespace zentrova {

std::string QtClock::DateText() const {
  return QDateTime::currentDateTime().toString(QStringLiteral("MM-dd-yyyy")).toStdString();
}

std::string QtClock::TimeText() const {
  return QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss")).toStdString();
}

}  // namespace zentrova
