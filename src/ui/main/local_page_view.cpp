#include "ui/main/local_page_view.h"

#include <QFile>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

#include "app/platform/file_names.h"

namespace zentrova {
namespace {

bool IsLocalFile(const QUrl& url) {
  return url.scheme() == QLatin1String("file");
}

// Every request of the panel's pages, images and style sheets included, goes through here.
class LocalFilesOnly : public QWebEngineUrlRequestInterceptor {
 public:
  using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
  void interceptRequest(QWebEngineUrlRequestInfo& info) override {
    if (!IsLocalFile(info.requestUrl())) {
      info.block(true);
    }
  }
};

// Keeps navigation on local files; a clicked web address is handed to the view instead.
class LocalPage : public QWebEnginePage {
 public:
  LocalPage(QWebEngineProfile* profile, LocalPageView* view, bool forwardOnly = false)
      : QWebEnginePage(profile, view), view_(view), forwardOnly_(forwardOnly) {}

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
    if (forwardOnly_) {
      if (IsLocalFile(url)) {
        view_->load(url);
      } else {
        emit view_->ExternalLinkClicked(url);
      }
      deleteLater();
      return false;
    }
    if (IsLocalFile(url)) {
      return true;
    }
    if (type == NavigationTypeLinkClicked && isMainFrame) {
      emit view_->ExternalLinkClicked(url);
    }
    return false;
  }

  // A link with a target window ("_blank") asks for a new page: one that lives only to pass
  // its first address on, so that such links open like the others.
  QWebEnginePage* createWindow(WebWindowType) override {
    return new LocalPage(profile(), view_, true);
  }

 private:
  LocalPageView* view_;
  bool forwardOnly_;
};

}  // namespace

LocalPageView::LocalPageView(QWidget* parent)
    : QWebEngineView(parent), profile_(new QWebEngineProfile) {
  profile_->setUrlRequestInterceptor(new LocalFilesOnly(profile_));
  profile_->setHttpCacheType(QWebEngineProfile::NoCache);
  QWebEngineSettings* settings = profile_->settings();
  settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
  settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
  settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
  settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
  // The program's pages declare UTF-8; pages kept from before it did name no character set and
  // are Windows-1252.
  settings->setDefaultTextEncoding(QStringLiteral("windows-1252"));
  setPage(new LocalPage(profile_, this));
}

LocalPageView::~LocalPageView() {
  // The profile must outlive every page made with it.
  qDeleteAll(findChildren<QWebEnginePage*>(Qt::FindDirectChildrenOnly));
  delete profile_;
}

void LocalPageView::ShowFile(const std::string& path) {
  QFile file(DecodePath(path));
  const QByteArray content = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  const QUrl address = QUrl::fromLocalFile(file.fileName());
  // A followed link leaves the file: showing it again must then load it even if unchanged.
  if (path == shownFile_ && content == shownContent_ && url() == address) {
    return;
  }
  shownFile_ = path;
  shownContent_ = content;
  load(address);
}

}  // namespace zentrova
