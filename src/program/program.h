#pragma once

#include <string>

#include "batch/batch_state.h"
#include "deeppromo/deep_promotion_state.h"
#include "engines/engine_list_state.h"
#include "engines/submission_database.h"
#include "ports/ports.h"
#include "program/views.h"
#include "reports/report_state.h"
#include "session/session_state.h"
#include "submission/run_state.h"
#include "text/text_state.h"

namespace zentrova {

inline constexpr char kAppTitle[] = "Zentrova";
inline constexpr char kCrLf[] = "\r\n";

// Pages of the main tab strip, in step order.
enum MainPage : int {
  kStartPage = 7,
  kProfilePage = 6,
  kKeywordsPage = 5,
  kMetaPage = 4,
  kQueuePage = 3,
  kRegistrationPage = 2,
  kReportsPage = 1,
  kManualPage = 0,
};

struct Folders {
  std::string appFolder;   // the user's data folder, ending in "/"
  std::string dataFolder;  // the installation's read-only data, ending in "/"

  std::string LogFolder() const { return appFolder + "LOG/"; }
  std::string SessionsFolder() const { return appFolder + "SESSIONS/"; }
};

// What the main window shows besides the subsystems' own state.
struct WindowState {
  std::string caption = std::string(kAppTitle) + " - ";
  int currentTab = kStartPage;
  bool busyCursor = false;
  std::string statusHint;
};

// The running program's state: one open session, one database, one run at a time. Every
// operation of the core works on this object; the windows are views of it.
struct Program {
  Ports ports;
  Folders folders;
  ViewNotifier views;
  WindowState window;

  TextState text;
  SubmissionDatabase database;
  EngineListState engineLists;
  CategoryState categories;
  SessionState session;
  RunState run;
  ProgressPanel progress;
  BusyControls busy;
  ReportState reports;
  DeepPromotionState deepPromotion;
  BatchState batch;
};

}  // namespace zentrova
