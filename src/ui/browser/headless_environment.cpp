#include "ui/browser/headless_environment.h"

#include <unistd.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QtGlobal>

namespace zentrova {
namespace {

void SetUnlessSet(const char* name, const QByteArray& value) {
  if (!qEnvironmentVariableIsSet(name)) {
    qputenv(name, value);
  }
}

}  // namespace

void PrepareHeadlessWebEngine() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  SetUnlessSet("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --disable-background-networking");
  if (geteuid() == 0) {
    SetUnlessSet("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace zentrova
