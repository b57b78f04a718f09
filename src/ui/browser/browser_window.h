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
  QPlainTextEdit* ProfileBox() const { return profileBox_; }
  // "Get Form": the draft engine entry of the first form of the page on show goes into the
  // "Profile" box. The box shows it when the page has been read.
  void GetForm();
  // The box's draft exactly as built, CR LF line ends included (UTF-8).
  const std::string& FormText() const { return formText_; }

 signals:
  void FormCaptured();

 private:
  void ShowEmptyPage(const std::string& logFolder);

  QPlainTextEdit* profileBox_;
  QLineEdit* addressBox_;
  QWebEngineView* view_;
  QWebEnginePage* page_;
  WebEngineBrowser* browser_;
  std::string formText_;
};

}  // namespace zentrova
