// Time per submission through the embedded browser, from choosing the engine to recording its
// result, over a whole online registration against a local fake engine; and, in the same run,
// the time curl takes to post the same form to the same server from a fresh process.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QProcess>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_timer.h"
#include "ports/headless_ports.h"
#include "ports/platform_ports.h"
#include "program/program.h"
#include "program/wiring.h"
#include "submission/run_controller.h"
#include "ui/browser/headless_environment.h"
#include "ui/browser/web_engine_browser.h"

namespace {

using namespace zentrova;
using Clock = std::chrono::steady_clock;

constexpr int kEngines = 200;
constexpr int kCurlRuns = 200;
constexpr char kTitle[] = "Tom & Jerry's \"Best\" Caf\xE9";

struct Figures {
  double median = 0;
  double p95 = 0;
};

Figures Summarise(std::vector<double> milliseconds) {
  std::sort(milliseconds.begin(), milliseconds.end());
  const size_t n = milliseconds.size();
  if (n == 0) {
    return {};
  }
  const double median =
      n % 2 == 1 ? milliseconds[n / 2] : (milliseconds[n / 2 - 1] + milliseconds[n / 2]) / 2;
  const size_t p95 = std::min(n - 1, static_cast<size_t>((n * 95 + 99) / 100) - 1);
  return {median, milliseconds[p95]};
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// Each submission runs from the engine's choice (the first lamp lit) to its recording (all
// lamps out again).
std::vector<double> TimeBrowserRun(Program& program) {
  std::vector<double> times;
  Clock::time_point chosen;
  bool inProcess = false;
  program.views.Subscribe([&](View view) {
    if (view != View::Progress) {
      return;
    }
    const auto& lamps = program.progress.lamps;
    const bool firstStep = lamps[0] && !lamps[1];
    const bool allOut = !lamps[0] && !lamps[1] && !lamps[2] && !lamps[3];
    if (firstStep && !inProcess) {
      chosen = Clock::now();
      inProcess = true;
    } else if (allOut && inProcess) {
      times.push_back(Milliseconds(Clock::now() - chosen));
      inProcess = false;
    }
  });
  QEventLoop loop;
  program.views.Subscribe([&](View view) {
    if (view == View::BusyControls && program.busy.runRegistration) {
      loop.quit();
    }
  });
  StartOnlineRegistration(program);
  if (!program.busy.runRegistration) {
    loop.exec();
  }
  return times;
}

std::vector<double> TimeCurl(const QString& url) {
  std::vector<double> times;
  for (int run = 0; run < kCurlRuns; ++run) {
    QProcess curl;
    QEventLoop loop;
    QObject::connect(&curl, &QProcess::finished, &loop, &QEventLoop::quit);
    const Clock::time_point start = Clock::now();
    curl.start(QStringLiteral("curl"),
               {"-s", "-o", "/dev/null", "--data-urlencode", "url=http://www.example.com/",
                "--data-urlencode", QStringLiteral("title=") + QString::fromLatin1(kTitle), url});
    if (!curl.waitForStarted()) {
      return {};
    }
    loop.exec();
    times.push_back(Milliseconds(Clock::now() - start));
  }
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  PrepareHeadlessWebEngine();
  QApplication application(argc, argv);

  QHttpServer server;
  server.route("/add", [] {
    return QHttpServerResponse(
        "text/html", QByteArray("<html><body>Thank you for your submission.</body></html>"));
  });
  const quint16 port = server.listen(QHostAddress::LocalHost, 0);
  const std::string action = "http://127.0.0.1:" + std::to_string(port) + "/add";

  const std::filesystem::path root =
      std::filesystem::temp_directory_path() / ("zentrova-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(root / "LOG");

  QWebEngineProfile profile;
  QWebEnginePage page(&profile);
  WebEngineBrowser browser(&page);
  QtTimer replyTimer;
  QtTimer clockTimer;
  QtClock clock;
  // Every question of the run is answered Yes; nothing is shown.
  HeadlessPorts headless;

  Program program;
  program.folders.appFolder = root.string() + "/";
  program.ports = PlatformPorts(headless, nullptr, [&application] { application.exit(1); });
  AttachRunPorts(program, browser, clock, replyTimer, clockTimer);

  program.session.currentFile = (root / "bench.ses").string();
  for (auto* profileValues : {&program.session.profile, &program.session.editor.boxText}) {
    (*profileValues)[kPageAddress] = "http://www.example.com/";
    (*profileValues)[kSiteTitle] = kTitle;
  }
  program.run.serviceChecked = true;
  program.run.onlineConfirmed = true;
  for (int i = 1; i <= kEngines; ++i) {
    EngineRecord engine;
    char name[32];
    std::snprintf(name, sizeof name, "Engine %03d", i);
    engine.name = name;
    engine.actionUrl = action;
    engine.method = kPost;
    engine.successMarker = "Thank you";
    engine.fieldCount = 2;
    engine.fieldNames[1] = "url";
    engine.fieldValues[1] = "%001";
    engine.fieldNames[2] = "title";
    engine.fieldValues[2] = "%002";
    SortedList& list = program.engineLists.engineList;
    list.SetMarked(list.Add(engine.name, program.database.AddEngine(engine)), true);
  }

  const std::vector<double> browserTimes = TimeBrowserRun(program);
  const std::vector<double> curlTimes = TimeCurl(QString::fromStdString(action));
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);

  const Figures web = Summarise(browserTimes);
  const Figures curl = Summarise(curlTimes);
  std::printf("embedded browser: %zu submissions, median %.1f ms, 95th percentile %.1f ms\n",
              browserTimes.size(), web.median, web.p95);
  std::printf("curl (fresh process): %zu posts, median %.1f ms, 95th percentile %.1f ms\n",
              curlTimes.size(), curl.median, curl.p95);
  if (curl.median > 0) {
    std::printf("ratio of medians: %.2f (goal: at most 2.5)\n", web.median / curl.median);
  }
  return browserTimes.size() == kEngines && !curlTimes.empty() ? 0 : 1;
}
