// zentrova-tool run SESSION [--db DATABASE] [--timeout SECONDS]: the online registration of the
// session's Online Queue, headless, as a scheduled job runs it.
#include <QApplication>
#include <QEventLoop>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/platform/qt_clock.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_timer.h"
#include "app/platform/windows1252.h"
#include "engines/database_loader.h"
#include "program/default_folders.h"
#include "program/wiring.h"
#include "session/session_file.h"
#include "submission/run_controller.h"
#include "submission_recorder.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"
#include "ui/browser/headless_environment.h"
#include "ui/browser/web_engine_browser.h"

namespace zentrova::tool {
namespace {

constexpr int kDefaultTimeoutSeconds = 30;
constexpr int kMaxTimeoutSeconds = 24 * 60 * 60;

struct RunArguments {
  std::string session;
  std::string database;  // empty: the one the program would use
  int timeoutSeconds = kDefaultTimeoutSeconds;
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

// The form submissions in their order, then each IndexNow engine of the run with its answer
// in words and the number of addresses it was sent.
void PrintLines(const std::vector<SubmissionLine>& lines, const Program& program) {
  for (const SubmissionLine& line : lines) {
    std::cout << Printable(line.engine) << '\t' << Printable(line.pageAddress) << '\t'
              << (line.verdict.empty() ? "no reply" : line.verdict) << '\t'
              << StatusText(line.httpStatus);
    if (!line.failure.empty()) {
      std::cout << '\t' << Printable(line.failure);
    }
    std::cout << '\n';
  }
  const SubmissionDatabase& database = program.database;
  for (int slot = 1; slot <= database.EngineCount(); ++slot) {
    const EngineRecord& engine = database.Engine(slot);
    if (!engine.indexNow.recorded) {
      continue;
    }
    std::cout << Printable(engine.name) << '\t' << Printable(program.session.profile[kPageAddress])
              << '\t' << (engine.RegistrationStatus() == kSuccessful ? "successful" : "failed")
              << '\t' << StatusText(engine.indexNow.httpStatus) << '\t'
              << Printable(engine.indexNow.meaning) << '\t' << engine.indexNow.addressesSent
              << " addresses\n";
  }
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
  const std::string database =
      arguments.database.empty() ? DatabasePath(program) : arguments.database;
  if (const int code = tool.OpenDatabaseAndSession(database, arguments.session); code != kSuccess) {
    return code;
  }

  QWebEngineProfile profile;  // off the record: a scheduled run leaves no browsing data
  QWebEnginePage page(&profile);
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

  // As a batch does: the service status page is not asked for, and going online is agreed.
  program.run.serviceChecked = true;
  program.run.onlineConfirmed = true;
  program.run.unattended = true;
  StartOnlineRegistration(program);
  if (!program.busy.runRegistration) {
    runLoop.exec();
  }
  if (programEnded) {
    PrintLines(recorder.Lines(), program);
    return Fail(kFileError, "the run was ended before it came to its end");
  }
  const FileOutcome written = WriteSession(program, arguments.session, false);
  PrintLines(recorder.Lines(), program);
  if (!written) {
    return Fail(kFileError,
                "cannot write the session file " + arguments.session + ": " + written.reason);
  }
  return kSuccess;
}

}  // namespace zentrova::tool
