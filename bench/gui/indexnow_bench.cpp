// A list of pages submitted to one IndexNow engine on 127.0.0.1 as the program does it (the key
// file checked, then JSON requests of at most 10,000 addresses), beside the same addresses sent
// one GET each through the form path of the embedded browser. Prints the time from the start
// of each run to its last result, and the verdicts that came out wrong.
//   indexnow_bench [PAGES]      (default 10000)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QHttpServer>
#include <QHttpServerRequest>
#include <QHttpServerResponse>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_timer.h"
#include "bench_engines.h"
#include "ports/headless_ports.h"
#include "ports/platform_ports.h"
#include "program/program.h"
#include "program/wiring.h"
#include "session/session_model.h"
#include "submission/run_controller.h"
#include "ui/browser/headless_environment.h"
#include "ui/browser/web_engine_browser.h"

namespace {

using namespace zentrova;
using Clock = std::chrono::steady_clock;

constexpr int kDefaultPages = 10000;
constexpr char kKey[] = "0123456789abcdef0123456789abcdef";

struct RunFigures {
  double seconds = 0;
  int engines = 0;
  int wrongVerdicts = 0;  // engines not recorded successful although the server accepted all
};

std::string PageAddress(const std::string& base, int i) {
  return base + "/pages/" + std::to_string(i) + ".htm";
}

// A program on the real browser, timers and HTTP client, answering every question Yes.
struct BenchProgram {
  explicit BenchProgram(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "LOG");
    program.folders.appFolder = root.string() + "/";
    program.ports = PlatformPorts(headless, nullptr, [] { std::exit(1); });
    program.ports.http = &http;
    AttachRunPorts(program, browser, clock, replyTimer, clockTimer);
    program.session.currentFile = (root / "bench.ses").string();
    program.run.serviceChecked = true;
    program.run.onlineConfirmed = true;
  }
  void SetProfile(int slot, const std::string& value) {
    program.session.profile[slot] = value;
    program.session.editor.boxText[slot] = value;
  }
  RunFigures Run() {
    QEventLoop loop;
    program.views.Subscribe([&](View view) {
      if (view == View::BusyControls && program.busy.runRegistration) {
        loop.quit();
      }
    });
    const Clock::time_point start = Clock::now();
    StartOnlineRegistration(program);
    if (!program.busy.runRegistration) {
      loop.exec();
    }
    RunFigures figures;
    figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    figures.engines = program.database.EngineCount();
    for (int slot = 1; slot <= figures.engines; ++slot) {
      if (program.database.Engine(slot).RegistrationStatus() != kSuccessful) {
        ++figures.wrongVerdicts;
      }
    }
    return figures;
  }

  QWebEngineProfile profile;
  QWebEnginePage page{&profile};
  WebEngineBrowser browser{&page};
  QtTimer replyTimer;
  QtTimer clockTimer;
  QtClock clock;
  QtHttpClient http;
  HeadlessPorts headless;
  Program program;
};

}  // namespace

int main(int argc, char** argv) {
  const int pages = argc > 1 ? std::atoi(argv[1]) : kDefaultPages;
  if (pages < 1) {
    std::fprintf(stderr, "usage: indexnow_bench [PAGES]\n");
    return 2;
  }
  PrepareHeadlessWebEngine();
  QApplication application(argc, argv);

  long long addressesReceived = 0;
  int jsonRequests = 0;
  int pings = 0;
  QHttpServer server;
  server.route("/indexnow", [&](const QHttpServerRequest& request) {
    if (request.method() == QHttpServerRequest::Method::Post) {
      ++jsonRequests;
      addressesReceived += request.body().count("\"http");
      // keyLocation is an address too.
      --addressesReceived;
    } else {
      ++pings;
    }
    return QHttpServerResponse("text/plain", QByteArray(), QHttpServerResponse::StatusCode::Ok);
  });
  server.route("/<arg>", [](const QString& name) {
    if (name != QString::fromLatin1(kKey) + ".txt") {
      return QHttpServerResponse(QHttpServerResponse::StatusCode::NotFound);
    }
    return QHttpServerResponse("text/plain", QByteArray(kKey));
  });
  const quint16 port = server.listen(QHostAddress::LocalHost, 0);
  const std::string base = "http://127.0.0.1:" + std::to_string(port);

  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("zentrova-bench-" + std::to_string(::getpid()));

  RunFigures json;
  {
    BenchProgram bench(root / "json");
    bench.SetProfile(kPageAddress, PageAddress(base, 1));
    bench.SetProfile(kIndexNowKey, kKey);
    for (int i = 2; i <= pages; ++i) {
      bench.program.deepPromotion.links.push_back(PageAddress(base, i));
    }
    ClickCheckBox(bench.program, kDeepPromotionBox, kChecked);
    EngineRecord engine;
    engine.name = "IndexNow";
    engine.kind = kSearchEngine;
    engine.protocol = kIndexNowProtocol;
    engine.actionUrl = base + "/indexnow";
    QueueEngine(bench.program, std::move(engine));
    json = bench.Run();
  }
  const long long jsonAddresses = addressesReceived;

  RunFigures forms;
  {
    BenchProgram bench(root / "forms");
    bench.SetProfile(kPageAddress, PageAddress(base, 1));
    // One GET engine per address: a form carries one page, and an engine's Deep Promotion
    // stops at 25 links.
    for (int i = 1; i <= pages; ++i) {
      QueueEngine(bench.program,
                  FormEngine(NumberedName("Ping", 5, i), kDirectory, kGet, base + "/indexnow",
                             base + "/", {{"url", PageAddress(base, i)}, {"key", kKey}}));
    }
    forms = bench.Run();
  }
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);

  std::printf("pages: %d\n", pages);
  std::printf(
      "IndexNow JSON: %.2f s from start to result, %d request(s), %lld addresses "
      "received, %d wrong verdict(s)\n",
      json.seconds, jsonRequests, jsonAddresses, json.wrongVerdicts);
  std::printf(
      "form path, one GET per page: %.2f s from start to last result (%.1f ms per page), "
      "%d GETs received, %d wrong verdict(s) of %d\n",
      forms.seconds, forms.seconds * 1000 / pages, pings, forms.wrongVerdicts, forms.engines);
  if (json.seconds > 0) {
    std::printf("ratio: %.0f times faster as JSON\n", forms.seconds / json.seconds);
  }
  return json.wrongVerdicts == 0 && forms.wrongVerdicts == 0 ? 0 : 1;
}
