#include "ui/browser/manual_browser_view.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>

namespace zentrova {
namespace {

constexpr char kProfileName[] = "manual";

// The page's own scripts listen for input and change events (to check a field, to enable the
// submit button): they are sent as a typing user would cause them.
constexpr char kPasteScript[] = R"js((function(v){
  var e = document.activeElement;
  if (!e) return;
  var tag = e.tagName.toLowerCase();
  if (tag !== 'input' && tag !== 'textarea') return;
  e.value = v[0];
  e.dispatchEvent(new Event('input', {bubbles: true}));
  e.dispatchEvent(new Event('change', {bubbles: true}));
})(%1))js";

class ManualWebPage : public QWebEnginePage {
 public:
  ManualWebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {
    // Refused, and the browser shows its own error page for the address.
    connect(this, &QWebEnginePage::certificateError,
            [](QWebEngineCertificateError error) { error.rejectCertificate(); });
  }

 protected:
  // An engine's pop-up (a category chooser, a confirmation) opens where the user already is.
  QWebEnginePage* createWindow(WebWindowType) override { return this; }
};

QWebEngineProfile* MakeProfile(const std::string& folder, QObject* parent) {
  auto* profile = new QWebEngineProfile(QString::fromLatin1(kProfileName), parent);
  const QString path = QFile::decodeName(folder.c_str());
  profile->setPersistentStoragePath(path);
  profile->setCachePath(QDir(path).filePath(QStringLiteral("cache")));
  profile->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
  QWebEngineSettings* settings = profile->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
  settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  // The manual submission page is written in Windows-1252 and names no character set.
  settings->setDefaultTextEncoding(QStringLiteral("windows-1252"));
  QObject::connect(profile, &QWebEngineProfile::downloadRequested,
                   [](QWebEngineDownloadRequest* download) { download->cancel(); });
  return profile;
}

}  // namespace

ManualBrowserView::ManualBrowserView(const std::string& profileFolder, QWidget* parent)
    : QWebEngineView(parent), profile_(MakeProfile(profileFolder, nullptr)) {
  setObjectName(QStringLiteral("WebBrowser3"));
  setPage(new ManualWebPage(profile_, this));
}

ManualBrowserView::~ManualBrowserView() {
  // The profile must outlive every page made with it.
  qDeleteAll(findChildren<QWebEnginePage*>(Qt::FindDirectChildrenOnly));
  delete profile_;
}

void ManualBrowserView::ShowFile(const std::string& path) {
  load(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void ManualBrowserView::PasteIntoFocusedField(const QString& text) {
  const QString value =
      QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact));
  page()->runJavaScript(QString::fromLatin1(kPasteScript).arg(value),
                        QWebEngineScript::ApplicationWorld);
}

}  // namespace zentrova
