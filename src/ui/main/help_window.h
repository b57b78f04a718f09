#pragma once

#include <QWidget>

#include "program/program.h"

class QTextBrowser;

namespace zentrova {

// The program's help: HTML pages in the data folder, one topic per page of the main window.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow(const Folders& folders, QWidget* parent = nullptr);

  // 0 opens the contents.
  void ShowTopic(int context);
  QUrl ShownPage() const;

 private:
  const Folders& folders_;
  QTextBrowser* view_;
};

// The help context of a page of the main tab strip: 120 on the start page, 190 on page 0.
int HelpContext(int page);
// The help file of a context ("index.htm" for the contents).
QString HelpFileName(int context);

}  // namespace zentrova
