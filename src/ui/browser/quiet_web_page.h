#pragma once

#include <QWebEnginePage>

namespace zentrova {

// A page that never opens a dialog of its own. A reply page's alert, confirm or prompt would
// otherwise stop an unattended run until someone closed it; such scripts get the answer a
// user who declines would give. Its console stays silent too: a reply page's console chatter
// means nothing to the user of the tool and would tear through its progress line.
class QuietWebPage : public QWebEnginePage {
  Q_OBJECT

 public:
  using QWebEnginePage::QWebEnginePage;

 protected:
  void javaScriptAlert(const QUrl&, const QString&) override {}
  bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
  bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
    return false;
  }
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                const QString&) override {}
};

}  // namespace zentrova
