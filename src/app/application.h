#pragma once

#include <functional>
#include <memory>

#include "program/program.h"

namespace zentrova {

class MainWindow;
class SplashWindow;

// Start-up and exit of the program around a Program whose ports and folders are filled: the
// real program gives it Qt's ports, a test gives it fakes.
class Application {
 public:
  explicit Application(Program& program);
  ~Application();

  // Gives the program its submission browser once the working folders exist.
  void SetBrowserFactory(std::function<void(Program&)> attachBrowser) {
    attachBrowser_ = std::move(attachBrowser);
  }

  // The start-up sequence; false when the program ended during it (the main window is then
  // never shown).
  bool Start();

  MainWindow* Window() const { return window_.get(); }
  SplashWindow* Splash() const { return splash_.get(); }

 private:
  bool ExitRequested();

  Program& program_;
  std::function<void(Program&)> attachBrowser_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace zentrova
