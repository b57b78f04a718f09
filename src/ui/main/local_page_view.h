#pragma once

#include <string>

#include <QByteArray>
#include <QString>
#include <QWebEngineView>

class QWebEngineProfile;

namespace zentrova {

// A browser panel for the program's own pages (reports, result pages, news). Those pages
// hold reply texts and profile values as they are, so the panel runs no script and loads
// nothing but local files: markup in such a text can never act on the user's machine.
// Links to web addresses go to the user's own browser instead.
class LocalPageView : public QWebEngineView {
  Q_OBJECT

 public:
  explicit LocalPageView(QWidget* parent = nullptr);
  ~LocalPageView() override;

  // Shows the file; loads it again only when it is not on show as it is now.
  void ShowFile(const std::string& path);
  // The file shown last, empty before the first.
  const std::string& ShownFile() const { return shownFile_; }

 signals:
  void ExternalLinkClicked(const QUrl& url);

 private:
  QWebEngineProfile* profile_;
  std::string shownFile_;
  QByteArray shownContent_;
};

}  // namespace zentrova
