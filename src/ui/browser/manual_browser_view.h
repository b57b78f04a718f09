#pragma once

#include <string>

#include <QWebEngineView>

class QWebEngineProfile;

namespace zentrova {

// The manual submission browser (WebBrowser3): the one browser of the program in which a
// person moves on the open web by hand. It behaves like a careful browser of its own: script
// on, since engines' forms need it; a persistent profile in the given folder, apart from the
// submission browser's, so that cookies (a login to an engine) survive a restart; downloads
// refused; pop-ups opened in this same view; pages with a certificate error refused.
class ManualBrowserView : public QWebEngineView {
  Q_OBJECT

 public:
  // profileFolder: where the profile keeps cookies, storage and cache (file system bytes).
  explicit ManualBrowserView(const std::string& profileFolder, QWidget* parent = nullptr);
  ~ManualBrowserView() override;

  // Shows a local file given by its full path.
  void ShowFile(const std::string& path);
  // Puts the text into the element that has the focus when it is a text field or a text
  // area, as if typed there; any other element, or none, is left alone.
  void PasteIntoFocusedField(const QString& text);

  QWebEngineProfile* Profile() const { return profile_; }

 private:
  QWebEngineProfile* profile_;
};

}  // namespace zentrova
