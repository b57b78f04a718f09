#pragma once

#include <memory>
#include <string>

#include <QString>

#include <QAction>

#include "app/application.h"
#include "support/test_program.h"
#include "ui/main/main_window.h"

namespace zentrova::testing {

// The program as a user meets it: the real start-up and the real main window, on fake ports,
// with a small database and string table in its own data folder.
class UiProgram {
 public:
  UiProgram();

  // Runs the start-up sequence; false when the program ended during it.
  bool Start();

  Program& program() { return test.program; }
  MainWindow& window() const { return *application->Window(); }
  QAction* Action(const char* name) const;
  template <typename T>
  T* Find(const QString& name) const {
    return application->Window()->findChild<T*>(name);
  }
  // Types text into a profile box as the user would (key by key).
  void Type(const QString& box, const QString& text) const;
  std::string SessionsPath(const std::string& name) const {
    return test.program.folders.SessionsFolder() + name;
  }

  TestProgram test;
  std::unique_ptr<Application> application;
};

// Engines of the test database, by name.
inline constexpr char kAlpha[] = "Alpha Search";
inline constexpr char kBeta[] = "Beta Directory";
inline constexpr char kGamma[] = "*Gamma News";
inline constexpr char kDelta[] = "Delta Links";

}  // namespace zentrova::testing
