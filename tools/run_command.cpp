// zentrova-tool run SESSION [--db DATABASE] [--timeout SECONDS] [--json]: the online
// registration of the session's Online Queue, headless, as a scheduled job runs it.
#include <sys/ioctl.h>
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWebEngineProfile>
#include <filesystem>
#include <iostream>
#include <set>
#include <string>
#include <vector>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_timer.h"
#include "app/platform/windows1252.h"
#include "engines/database_loader.h"
#include "program/default_folders.h"
#include "program/wiring.h"
#include "run_output.h"
#include "session/session_file.h"
#include "submission/run_controller.h"
#include "submission_json.h"
#include "submission_recorder.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"
#include "ui/browser/headless_environment.h"
#include "ui/browser/quiet_web_page.h"
#include "ui/browser/web_engine_browser.h"

namespace zentrova::tool {
namespace {

constexpr int kDefaultTimeoutSeconds = 30;
constexpr int kMaxTimeoutSeconds = 24 * 60 * 60;
constexpr int kFirstRefusingHttpStatus = 400;
constexpr int kDefaultTerminalWidth = 80;

struct RunArguments {
  std::string session;
  std::string database;  // empty: the one the program would use
  int timeoutSeconds = kDefaultTimeoutSeconds;
  bool json = false;
};

bool ParseSeconds(const std::string& text, int& seconds) {
  if (text.empty() || text.size() > 6 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  seconds = std::stoi(text);
  return seconds > 0 && seconds <= kMaxTimeoutSeconds;
}

// Empty when the arguments are good, else what is wrong with them.
std::string ParseArguments(const std::vector<std::string>& args, RunArguments& parsed) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--db" && hasValue) {
      parsed.database = args[++i];
    } else if (arg == "--timeout" && hasValue) {
      if (!ParseSeconds(args[++i], parsed.timeoutSeconds)) {
        return "--timeout takes a whole number of seconds from 1 to " +
               std::to_string(kMaxTimeoutSeconds);
      }
    } else if (arg == "--json" && !parsed.json) {
      parsed.json = true;
    } else if (!arg.empty() && arg[0] != '-' && parsed.session.empty()) {
      parsed.session = arg;
    } else {
      return "unexpected argument '" + arg + "'";
    }
  }
  return parsed.session.empty() ? "a session file is needed" : "";
}

std::string Printable(const std::string& bytes) {
  return DecodeWindows1252(bytes).toUtf8().toStdString();
}

std::string StatusText(int httpStatus) {
  return httpStatus != 0 ? std::to_string(httpStatus) : "-";
}

// For a request that got no reply at all, the browser's reason follows in a fifth column.
std::string PlainLine(const SubmissionLine& line) {
  return Printable(line.engine) + '\t' + Printable(line.pageAddress) + '\t' +
         (line.verdict.empty() ? "no reply" : line.verdict) + '\t' + StatusText(line.httpStatus) +
         (line.failure.empty() ? "" : '\t' + Printable(line.failure));
}

std::string Reason(const SubmissionLine& line, int timeoutSeconds) {
  if (line.verdict.empty()) {
    return "the run ended before a reply came";
  }
  if (!line.failure.empty()) {
    return "no reply: " + Printable(line.failure);
  }
  if (line.verdict == "timed out") {
    return "no reply within " + std::to_string(timeoutSeconds) + " seconds";
  }
  if (line.verdict == "successful") {
    return "the reply matched the success marker";
  }
  if (line.httpStatus >= kFirstRefusingHttpStatus) {
    return "the engine refused it with HTTP status " + std::to_string(line.httpStatus);
  }
  return "the reply lacks the success marker";
}

// The submission as the session now holds it: the verdict the core recorded (a time-out is a
// failure there) and the engine's times.
SubmissionReport Report(const SubmissionLine& line, const Program& program, int timeoutSeconds) {
  SubmissionReport report;
  report.engine = Printable(line.engine);
  report.address = Printable(line.pageAddress);
  report.verdict = line.verdict.empty()           ? "no reply"
                   : line.verdict == "successful" ? "successful"
                                                  : "failed";
  if (line.httpStatus != 0) {
    report.httpStatus = line.httpStatus;
  }
  report.reason = Reason(line, timeoutSeconds);
  if (!line.verdict.empty()) {
    const EngineRecord& engine = program.database.Engine(line.engineSlot);
    report.started = IsoTime(engine.runDate, engine.startedAt);
    report.finished = IsoTime(engine.runDate, engine.finishedAt);
  }
  return report;
}

// An IndexNow engine of the run: its answer in words and the number of addresses it was sent
// follow the status in the plain line; the answer is the reason in JSON.
void PrintIndexNowEngines(RunOutput& output, const Program& program) {
  const SubmissionDatabase& database = program.database;
  const std::string page = Printable(program.session.profile[kPageAddress]);
  for (int slot = 1; slot <= database.EngineCount(); ++slot) {
    const EngineRecord& engine = database.Engine(slot);
    if (!engine.indexNow.recorded) {
      continue;
    }
    SubmissionReport report;
    report.engine = Printable(engine.name);
    report.address = page;
    report.verdict = engine.RegistrationStatus() == kSuccessful ? "successful" : "failed";
    if (engine.indexNow.httpStatus != 0) {
      report.httpStatus = engine.indexNow.httpStatus;
    }
    report.reason = Printable(engine.indexNow.meaning);
    report.started = IsoTime(engine.runDate, engine.startedAt);
    report.finished = IsoTime(engine.runDate, engine.finishedAt);
    output.Print(report, report.engine + '\t' + page + '\t' + report.verdict + '\t' +
                             StatusText(engine.indexNow.httpStatus) + '\t' + *report.reason + '\t' +
                             std::to_string(engine.indexNow.addressesSent) + " addresses");
  }
}

RunOutputMode OutputMode(bool json) {
  if (json) {
    return RunOutputMode::kJson;
  }
  return isatty(STDOUT_FILENO) ? RunOutputMode::kTerminal : RunOutputMode::kPlain;
}

int TerminalWidth() {
  winsize size{};
  if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
    return size.ws_col;
  }
  return kDefaultTerminalWidth;
}

}  // namespace

int RunCommand(const std::vector<std::string>& args) {
  RunArguments arguments;
  if (const std::string problem = ParseArguments(args, arguments); !problem.empty()) {
    return Fail(kUsageError, problem + "\n" + UsageOf("run"));
  }

  PrepareHeadlessWebEngine();
  int argc = 1;
  char name[] = "zentrova-tool";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);

  ToolProgram tool;
  Program& program = tool.program;
  // The run's reply texts belong in the user's own LOG, where the program shows them.
  program.folders = DefaultFolders();
  MakeWorkingFolders(program);
  // Without it a failed reply's text would be lost without a word, though the help promises it.
  if (std::error_code error; !std::filesystem::is_directory(program.folders.LogFolder(), error)) {
    return Fail(kFileError,
                "cannot make the folder " + program.folders.LogFolder() + " for the reply texts");
  }
  const std::string database =
      arguments.database.empty() ? DatabasePath(program) : arguments.database;
  if (const int code = tool.OpenDatabaseAndSession(database, arguments.session); code != kSuccess) {
    return code;
  }

  QWebEngineProfile profile;  // off the record: a scheduled run leaves no browsing data
  QuietWebPage page(&profile);
  WebEngineBrowser webBrowser(&page);
  SubmissionRecorder recorder(webBrowser, program);
  QtTimer replyTimer;
  QtTimer clockTimer;
  QtClock clock;
  // The core's own reply time-out strikes first; the transfer time-out only backs it up.
  QtHttpClient http(arguments.timeoutSeconds * 1000 + 1000);
  bool programEnded = false;
  QEventLoop runLoop;
  program.ports.browser = &recorder;
  program.ports.replyTimer = &replyTimer;
  program.ports.clockTimer = &clockTimer;
  program.ports.clock = &clock;
  program.ports.http = &http;
  program.ports.exitProgram = [&] {
    programEnded = true;
    runLoop.quit();
  };
  ConnectPorts(program);
  replyTimer.SetInterval(arguments.timeoutSeconds * 1000);
  program.views.Subscribe([&](View view) {
    if (view == View::BusyControls && program.busy.runRegistration) {
      runLoop.quit();
    }
  });

  RunOutput output(std::cout, OutputMode(arguments.json), EnginesOfTheRun(program),
                   TerminalWidth());
  // An engine counts once the run takes it up, whether the browser or the HTTP client
  // submits to it.
  std::set<int> enginesStarted;
  program.views.Subscribe([&](View view) {
    const ProgressPanel& progress = program.progress;
    if (view == View::Progress && !progress.engineInProcess.empty() &&
        enginesStarted.insert(program.run.currentEngine).second) {
      output.EngineStarted(static_cast<int>(enginesStarted.size()),
                           Printable(progress.engineInProcess));
    }
  });
  size_t printed = 0;
  // A line is printed once the core has recorded its verdict, which happens after the
  // browser event that brought the verdict has been handled.
  auto printJudged = [&](bool all) {
    const std::vector<SubmissionLine>& lines = recorder.Lines();
    while (printed < lines.size() && (all || !lines[printed].verdict.empty())) {
      output.Print(Report(lines[printed], program, arguments.timeoutSeconds),
                   PlainLine(lines[printed]));
      ++printed;
    }
  };
  recorder.judged = [&] {
    output.Counted(recorder.Lines().back().verdict == "successful");
    QTimer::singleShot(0, &application, [&] { printJudged(false); });
  };
  QElapsedTimer elapsed;
  elapsed.start();
  QTimer ticks;
  QObject::connect(&ticks, &QTimer::timeout,
                   [&] { output.Tick(static_cast<int>(elapsed.elapsed() / 1000)); });
  ticks.start(1000);

  // As a batch does: the service status page is not asked for, and going online is agreed.
  program.run.serviceChecked = true;
  program.run.onlineConfirmed = true;
  program.run.unattended = true;
  StartOnlineRegistration(program);
  if (!program.busy.runRegistration) {
    runLoop.exec();
  }
  ticks.stop();
  printJudged(true);
  PrintIndexNowEngines(output, program);
  output.End();
  if (programEnded) {
    return Fail(kFileError, "the run was ended before it came to its end");
  }
  const FileOutcome written = WriteSession(program, arguments.session, false);
  if (!written) {
    return Fail(kFileError,
                "cannot write the session file " + arguments.session + ": " + written.reason);
  }
  return kSuccess;
}

}  // namespace zentrova::tool
