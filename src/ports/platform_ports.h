#pragma once

#include <functional>
#include <utility>

#include "ports/ports.h"

namespace zentrova {

// The ports pointing at a platform's pieces. Every platform (the Qt one, the headless one)
// holds its pieces under the names of the ports, so that a new port is wired in one place.
// The browser comes apart because a platform may make it only later.
template <typename Platform>
Ports PlatformPorts(Platform& platform, Browser* browser, std::function<void()> exitProgram) {
  Ports ports;
  ports.browser = browser;
  ports.http = &platform.http;
  ports.dialogs = &platform.dialogs;
  ports.settings = &platform.settings;
  ports.clock = &platform.clock;
  ports.replyTimer = &platform.replyTimer;
  ports.clockTimer = &platform.clockTimer;
  ports.clipboard = &platform.clipboard;
  ports.shell = &platform.shell;
  ports.exitProgram = std::move(exitProgram);
  return ports;
}

}  // namespace zentrova
