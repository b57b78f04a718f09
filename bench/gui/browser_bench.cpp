// Time per submission through the embedded browser, from choosing the engine to recording its
// result, over whole online registrations against a local server that accepts everything;
// and, interleaved with them in the same run, the time curl takes to post the same form to the
// same server from a fresh process. Two queues: 500 engines (main pages), and 20 search
// engines with 25 deep links each. Every verdict that is not a success is a false one.
// With --full, one run of 500 search engines with 25 deep links each (13,000 submissions)
// instead, printing the false verdicts and the cost at its start and its end.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QProcess>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_timer.h"
#include "bench_engines.h"
#include "engines/engine_lists.h"
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

constexpr int kRounds = 3;
constexpr char kTitle[] = "Tom & Jerry's \"Best\" Caf\xE9";

struct Queue {
  const char* label;
  int engines;
  int deepLinks;
};
constexpr Queue kQueues[] = {{"500 engines", 500, 0},
                             {"20 search engines x 25 deep links", 20, 25}};
constexpr Queue kFullQueue = {"500 search engines x 25 deep links", 500, 25};

double Median(std::vector<double> values) {
  if (values.empty()) {
    return 0;
  }
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double Total(const std::vector<double>& values) {
  double total = 0;
  for (const double value : values) {
    total += value;
  }
  return total;
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

// The queue's engines in a fresh database, every one queued, with the deep links to send.
void FillQueue(Program& program, const Queue& queue, const std::string& action) {
  program.database = SubmissionDatabase();
  program.engineLists.engineList = SortedList();
  for (int i = 1; i <= queue.engines; ++i) {
    QueueEngine(program, FormEngine(NumberedName("Engine", 3, i), kSearchEngine, kPost, action,
                                    "Thank you", {{"url", "%001"}, {"title", "%002"}}));
  }
  program.deepPromotion.links.clear();
  for (int i = 1; i <= queue.deepLinks; ++i) {
    program.deepPromotion.links.push_back("http://www.example.com/page" + std::to_string(i) +
                                          ".htm");
  }
  program.session.editor.check5 = queue.deepLinks > 0 ? kChecked : kUnchecked;
}

struct BrowserRun {
  std::vector<double> times;  // per submission, in the order sent
  double wallMilliseconds = 0;
  int falseVerdicts = 0;
};

// Each submission runs from the engine's choice (the first lamp lit) to its recording (all
// lamps out again); the session save after each reply is inside. One recorder watches the
// program for every run, since views cannot be unsubscribed.
class RunRecorder {
 public:
  explicit RunRecorder(Program& program) : program_(program) {
    program.views.Subscribe([this](View view) { OnChanged(view); });
  }

  BrowserRun Run(const Queue& queue) {
    BrowserRun run;
    QEventLoop loop;
    run_ = &run;
    loop_ = &loop;
    inProcess_ = false;
    const Clock::time_point start = Clock::now();
    StartOnlineRegistration(program_);
    if (!program_.busy.runRegistration) {
      loop.exec();
    }
    run.wallMilliseconds = Milliseconds(Clock::now() - start);
    run_ = nullptr;
    loop_ = nullptr;
    for (int slot = 1; slot <= program_.database.EngineCount(); ++slot) {
      const EngineRecord& engine = program_.database.Engine(slot);
      run.falseVerdicts += engine.RegistrationStatus() != kSuccessful ? 1 : 0;
      run.falseVerdicts += queue.deepLinks > 0 && engine.DeepLinkStatus() != kSuccessful ? 1 : 0;
    }
    return run;
  }

 private:
  void OnChanged(View view) {
    if (run_ == nullptr) {
      return;
    }
    if (view == View::BusyControls && program_.busy.runRegistration) {
      loop_->quit();
    }
    if (view != View::Progress) {
      return;
    }
    const auto& lamps = program_.progress.lamps;
    const bool firstStep = lamps[0] && !lamps[1];
    const bool allOut = !lamps[0] && !lamps[1] && !lamps[2] && !lamps[3];
    if (firstStep && !inProcess_) {
      chosen_ = Clock::now();
      inProcess_ = true;
    } else if (allOut && inProcess_) {
      run_->times.push_back(Milliseconds(Clock::now() - chosen_));
      inProcess_ = false;
    }
  }

  Program& program_;
  BrowserRun* run_ = nullptr;
  QEventLoop* loop_ = nullptr;
  Clock::time_point chosen_;
  bool inProcess_ = false;
};

std::vector<double> RunCurl(const QString& url, int posts) {
  std::vector<double> times;
  for (int post = 0; post < posts; ++post) {
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

int Submissions(const Queue& queue) {
  return queue.engines * (1 + queue.deepLinks);
}

void PrintFull(const BrowserRun& run, int received) {
  const size_t n = run.times.size();
  const size_t slice = std::min<size_t>(1000, n / 2);
  const std::vector<double> first(run.times.begin(), run.times.begin() + slice);
  const std::vector<double> last(run.times.end() - slice, run.times.end());
  std::printf("%s: %zu submissions (expected %d), server received %d\n", kFullQueue.label, n,
              Submissions(kFullQueue), received);
  std::printf("  false verdicts: %d (goal: 0)\n", run.falseVerdicts);
  std::printf("  whole run %.1f s; median %.2f ms per submission\n", run.wallMilliseconds / 1000,
              Median(run.times));
  std::printf("  median of the first %zu: %.2f ms, of the last %zu: %.2f ms (linear: alike)\n",
              slice, Median(first), slice, Median(last));
}

}  // namespace

int main(int argc, char** argv) {
  const bool full = argc > 1 && std::strcmp(argv[1], "--full") == 0;
  PrepareHeadlessWebEngine();
  QApplication application(argc, argv);

  QHttpServer server;
  int received = 0;
  server.route("/add", [&received] {
    ++received;
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

  RunRecorder recorder(program);
  int falseVerdicts = 0;
  if (full) {
    FillQueue(program, kFullQueue, action);
    const BrowserRun run = recorder.Run(kFullQueue);
    PrintFull(run, received);
    falseVerdicts = run.falseVerdicts;
  } else {
    struct Figures {
      std::vector<double> browser, curl;
      double browserWall = 0, curlWall = 0;
      int falseVerdicts = 0;
    };
    std::vector<Figures> figures(std::size(kQueues));
    for (int round = 0; round < kRounds; ++round) {
      for (size_t q = 0; q < std::size(kQueues); ++q) {
        FillQueue(program, kQueues[q], action);
        const BrowserRun run = recorder.Run(kQueues[q]);
        const std::vector<double> curl =
            RunCurl(QString::fromStdString(action), Submissions(kQueues[q]));
        Figures& f = figures[q];
        f.browser.insert(f.browser.end(), run.times.begin(), run.times.end());
        f.curl.insert(f.curl.end(), curl.begin(), curl.end());
        f.browserWall += run.wallMilliseconds;
        f.curlWall += Total(curl);
        f.falseVerdicts += run.falseVerdicts;
      }
    }
    for (size_t q = 0; q < std::size(kQueues); ++q) {
      const Figures& f = figures[q];
      const double browserMedian = Median(f.browser);
      const double curlMedian = Median(f.curl);
      std::printf("%s, %d rounds interleaved with curl:\n", kQueues[q].label, kRounds);
      std::printf("  embedded browser: %zu submissions, median %.2f ms, total %.1f s\n",
                  f.browser.size(), browserMedian, f.browserWall / 1000);
      std::printf("  curl (fresh process): %zu posts, median %.2f ms, total %.1f s\n",
                  f.curl.size(), curlMedian, f.curlWall / 1000);
      std::printf("  ratio of medians: %.2f (goal: at most 1.0); false verdicts: %d (goal: 0)\n",
                  curlMedian > 0 ? browserMedian / curlMedian : 0.0, f.falseVerdicts);
      falseVerdicts += f.falseVerdicts;
    }
  }
  std::error_code ignored;
  std::filesystem::remove_all(root, ignored);
  return falseVerdicts == 0 ? 0 : 1;
}
