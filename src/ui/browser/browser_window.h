#pragma once

#include <string>

#include <QWidget>

#include "ui/browser/web_engine_browser.h"

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
  // Help → "Show Submission Browser" brings the unseen window up for a curious user.
  void ShowForUser();

  QLineEdit* AddressBox() const { return addressBox_; }

 private:
  void ShowEmptyPage(const std::string& logFolder);

  QPlainTextEdit* profileBox_;
  QLineEdit* addressBox_;
  QWebEngineView* view_;
  QWebEnginePage* page_;
  WebEngineBrowser* browser_;
};

}  // namespace zentrova
