#include "app/application.h"

#include <QApplication>

#include "app/startup.h"
#include "program/wiring.h"
#include "session/log_folder.h"
#include "text/distributor.h"
#include "ui/main/framed_boxes_style.h"
#include "ui/main/main_window.h"
#include "ui/main/manual_page.h"
#include "ui/main/splash_window.h"
#include "ui/main/start_page.h"

namespace zentrova {

Application::Application(Program& program) : program_(program) {}

Application::~Application() = default;

bool Application::Start() {
  UseFramedBoxesStyle();
  splash_ = std::make_unique<SplashWindow>(program_.folders);
  splash_->show();
  splash_->repaint();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct CursorBack {
    ~CursorBack() { QApplication::restoreOverrideCursor(); }
  } cursorBack;

  window_ = std::make_unique<MainWindow>(program_);
  window_->SetExitRequest([this] { return ExitRequested(); });
  auto* manual = static_cast<ManualPage*>(window_->Page(kManualPage));
  manual->SideTabs()->setCurrentIndex(0);

  if (!InitializeApplication(program_)) {
    return false;
  }
  if (attachBrowser_) {
    attachBrowser_(program_);
  }
  ConnectPorts(program_);
  window_->RefreshWindowTexts();
  if (!LoadDistributor(program_)) {
    return false;
  }
  window_->Start()->ShowDistributor();
  ClearLogPages(program_);
  OpenStartupSession(program_);
  program_.session.saved = true;

  splash_->hide();
  window_->Start()->ShowNewsPage();
  window_->RefreshWindowTexts();
  window_->show();
  return true;
}

bool Application::ExitRequested() {
  if (!ExitApplication(program_)) {
    return false;
  }
  if (program_.ports.exitProgram) {
    program_.ports.exitProgram();
  }
  return true;
}

}  // namespace zentrova
