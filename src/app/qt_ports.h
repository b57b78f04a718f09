#pragma once

#include <functional>
#include <utility>

#include <QString>

#include "app/platform/qt_clipboard.h"
#include "app/platform/qt_clock.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_settings_store.h"
#include "app/platform/qt_shell.h"
#include "app/platform/qt_timer.h"
#include "app/qt_dialogs.h"

namespace zentrova {

// Every piece of the program's platform but the browser, which start-up makes once the
// working folders exist (see PlatformPorts).
struct QtPorts {
  QtPorts(std::function<QWidget*()> mainWindow, const QString& settingsDefaultsFile)
      : dialogs(std::move(mainWindow)), settings(settingsDefaultsFile) {}

  QtHttpClient http;
  QtDialogs dialogs;
  QtSettingsStore settings;
  QtClock clock;
  QtTimer replyTimer;
  QtTimer clockTimer;
  QtClipboard clipboard;
  QtShell shell;
};

}  // namespace zentrova
