#include "app/run_program.h"

#include <unistd.h>

#include <memory>
#include <optional>

#include <QApplication>
#include <QTimer>

#include "app/application.h"
#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "app/platform/file_names.h"
#include "app/qt_ports.h"
#include "ports/platform_ports.h"
#include "program/default_folders.h"
#include "text/distributor.h"
#include "ui/browser/browser_window.h"
#include "ui/main/main_window.h"

namespace zentrova {

namespace {

// Chromium refuses to start its sandbox as root; a root session (a container, a kiosk)
// still gets a working browser.
void PrepareWebEngine() {
  if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  }
}

}  // namespace

int RunProgram(int argc, char* argv[], std::function<void(MainWindow&)> whenShown) {
  if (const std::optional<int> answered = AnswerCommandLine(argc, argv)) {
    return *answered;
  }
  PrepareWebEngine();
  QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QString::fromLatin1(kAppTitle));
  QApplication::setApplicationName(QString::fromLatin1(kAppTitle));
  // The program ends through its exit routine only, never because a window went away.
  QApplication::setQuitOnLastWindowClosed(false);

  Program program;
  program.folders = DefaultFolders();
  SetDesktopIdentity(program.folders.dataFolder);
  Application application(program);

  QtPorts platform(
      [&application]() -> QWidget* { return application.Window(); },
      DecodePath(program.folders.dataFolder) + QString::fromLatin1(kInstallationDefaultsFileName));
  bool ended = false;
  program.ports = PlatformPorts(platform, nullptr, [&ended] {
    ended = true;
    QCoreApplication::exit(0);
  });

  std::unique_ptr<BrowserWindow> browserWindow;
  application.SetBrowserFactory([&browserWindow](Program& started) {
    browserWindow = std::make_unique<BrowserWindow>(started.folders.LogFolder());
    started.ports.browser = &browserWindow->SubmissionBrowser();
  });

  if (!application.Start() || ended) {
    return 1;
  }
  // The submission browser works unseen; a curious user may watch it.
  if (browserWindow) {
    application.Window()->AddHelpCommand(QStringLiteral("Show Submission &Browser"),
                                         [&browserWindow] { browserWindow->ShowForUser(); });
  }
  if (whenShown) {
    QTimer::singleShot(0, application.Window(),
                       [&application, whenShown] { whenShown(*application.Window()); });
  }
  const int result = QApplication::exec();
  // The windows go before the ports they use.
  browserWindow.reset();
  return result;
}

}  // namespace zentrova
