#pragma once

#include "ui/main/page_frame.h"

class QLabel;
class QTextBrowser;

namespace zentrova {

// Page 7: the title and version, the session buttons, the distributor's web pages and the news.
class StartPage : public PageFrame {
  Q_OBJECT

 public:
  StartPage(Program& program, QWidget* parent = nullptr);

  // The distributor lines (Label1 elements 5 and 6), known once start-up has read them.
  void ShowDistributor();
  // Writes news.htm into the data folder of the user and shows it in the news panel.
  void ShowNewsPage();

 signals:
  void newSessionClicked();
  void openSessionClicked();
  void saveSessionClicked();

 private:
  QLabel* contactLine_;
  QLabel* distributorLine_;
  QTextBrowser* news_;
};

// "V. " + major.minor.revision of this program.
QString VersionLine();

}  // namespace zentrova
