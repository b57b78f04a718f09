#include "program/wiring.h"

#include <string>

#include "deeppromo/link_extraction.h"
#include "submission/reply_analysis.h"
#include "submission/run_controller.h"

namespace zentrova {

void ConnectPorts(Program& program) {
  Ports& ports = program.ports;
  if (ports.browser != nullptr) {
    ports.browser->events.navigationCompleted = [&program](const std::string& url, int httpStatus) {
      OnNavigationCompleted(program, url, httpStatus);
    };
    // Which document completed does not matter: an extraction takes whatever the browser shows.
    ports.browser->events.documentCompleted = [&program](const std::string&) {
      OnDocumentCompleted(program);
    };
  }
  if (ports.replyTimer != nullptr) {
    ports.replyTimer->SetEnabled(false);
    ports.replyTimer->SetInterval(kReplyTimeoutMilliseconds);
    ports.replyTimer->onTick = [&program] { OnReplyTimeout(program); };
  }
  if (ports.clockTimer != nullptr) {
    ports.clockTimer->SetEnabled(false);
    ports.clockTimer->SetInterval(kClockIntervalMilliseconds);
    ports.clockTimer->onTick = [&program] { OnClockTick(program); };
  }
}

void AttachRunPorts(Program& program, Browser& browser, Clock& clock, Timer& replyTimer,
                    Timer& clockTimer) {
  Ports& ports = program.ports;
  ports.browser = &browser;
  ports.clock = &clock;
  ports.replyTimer = &replyTimer;
  ports.clockTimer = &clockTimer;
  ConnectPorts(program);
}

}  // namespace zentrova
