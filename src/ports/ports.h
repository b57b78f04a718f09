#pragma once

#include <functional>

#include "ports/browser.h"
#include "ports/clipboard.h"
#include "ports/clock.h"
#include "ports/dialogs.h"
#include "ports/http_client.h"
#include "ports/settings_store.h"
#include "ports/shell.h"
#include "ports/timer.h"

namespace zentrova {

// What the core needs from a platform. The Qt layer fills it once; tests fill it with fakes.
struct Ports {
  Browser* browser = nullptr;
  HttpClient* http = nullptr;
  Dialogs* dialogs = nullptr;
  SettingsStore* settings = nullptr;
  Clock* clock = nullptr;
  Timer* replyTimer = nullptr;  // Timer1: the reply time-out
  Timer* clockTimer = nullptr;  // Timer2: the progress panel's clock
  Clipboard* clipboard = nullptr;
  Shell* shell = nullptr;
  // Ends the program at once (fatal installation problems, the service's "S" notice).
  std::function<void()> exitProgram;
};

}  // namespace zentrova
