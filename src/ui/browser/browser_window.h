#pragma once

#include <string>

#include <QWidget>

#include "ui/browser/web_engine_browser.h"

class QAction;
class QLineEdit;
class QPlainTextEdit;
class QWebEnginePage;
class QWebEngineView;

namespace zentrova {

// The window of the submission browser (caption "Debug"). The program keeps it hidden: the
// online registration and link extraction drive its browser unseen. A user who wants to watch
// a run, or to try an engine's address by hand, may bring it up.
class BrowserWindow : public QWidget {
  Q_OBJECT

 public:
  // logFolder ends in "/"; the window's empty page is written there.
  explicit BrowserWindow(const std::string& logFolder, QWidget* parent = nullptr);

  WebEngineBrowser& SubmissionBrowser() { return *browser_; }
  void ShowForUser();
  // Help → "Show Submission Browser": brings this window up.
  QAction* ShowAction() const { return showAction_; }

  QLineEdit* AddressBox() const { return addressBox_; }

 private:
  void ShowEmptyPage(const std::string& logFolder);

  QPlainTextEdit* profileBox_;
  QLineEdit* addressBox_;
  QWebEngineView* view_;
  QWebEnginePage* page_;
  WebEngineBrowser* browser_;
  QAction* showAction_;
};

}  // namespace zentrova
