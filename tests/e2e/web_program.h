#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_timer.h"
#include "support/test_program.h"
#include "ui/browser/quiet_web_page.h"
#include "ui/browser/web_engine_browser.h"

namespace zentrova::testing {

// What an engine of the test database submits: field names and their value templates.
struct EngineDefinition {
  std::string name;
  std::string actionUrl;
  int method = kPost;
  std::string successMarker;
  std::vector<std::pair<std::string, std::string>> fields;
  int kind = kLinkListing;
  int protocol = kFormProtocol;
};

// A Program on the real platform pieces a run uses (WebEngine browser, Qt timers, clock and
// HTTP client) and on the test fakes for everything that would need a user.
class WebProgram {
 public:
  WebProgram();

  // Adds the engine to the database and the engine list; `queued` marks its row.
  int AddEngine(const EngineDefinition& definition, bool queued = true);
  // Starts the online registration and returns once it has come to its end (false when it
  // had not after `waitMilliseconds`).
  bool RunOnlineRegistration(int waitMilliseconds = 90000);

  TestProgram test;
  Program& program = test.program;
  QWebEngineProfile profile;  // off the record: nothing is kept between tests
  QuietWebPage page{&profile};
  WebEngineBrowser browser{&page};
  QtTimer replyTimer;
  QtTimer clockTimer;
  QtClock clock;
  QtHttpClient http;
};

}  // namespace zentrova::testing
