#include "ui/browser/web_engine_browser.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>
#include <QWebEngineHttpRequest>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>

#include "app/platform/windows1252.h"

namespace zentrova {
namespace {

// All a submission's reply is judged and logged by.
constexpr char kReadReplyScript[] = "document.body ? document.body.innerText : ''";

// Everything the core may ask about the page, read at once so that it describes one
// document. An XML document (a sitemap) is given back as markup, not as its rendering.
constexpr char kReadPageScript[] = R"js((function(){
  var d = document;
  var map = Array.prototype.map;
  var f = d.forms[0];
  var form = f ? map.call(f.elements, function(e) {
    return {name: e.name || '', value: e.value === undefined ? '' : String(e.value),
            tagName: e.tagName,
            options: e.tagName === 'SELECT' ? map.call(e.options, function(o) { return o.value; }) : []};
  }) : [];
  var type = d.contentType || '';
  var source = '';
  if (type.indexOf('html') >= 0) {
    source = d.documentElement ? d.documentElement.outerHTML : '';
  } else if (type.indexOf('xml') >= 0) {
    var viewer = d.getElementById('webkit-xml-viewer-source-xml');
    var serializer = new XMLSerializer();
    source = viewer ? map.call(viewer.childNodes, function(n) { return serializer.serializeToString(n); }).join('')
                    : serializer.serializeToString(d);
  } else {
    source = d.body ? d.body.innerText : '';
  }
  return JSON.stringify({text: d.body ? d.body.innerText : '',
                         links: map.call(d.links, function(a) { return a.href; }),
                         form: form, source: source});
})())js";

std::string ToCore(const QString& text) {
  return EncodeWindows1252(text).bytes;
}

std::string AddressOf(const QUrl& url) {
  return url.toString(QUrl::FullyEncoded).toStdString();
}

FormElement ToFormElement(const QJsonObject& object) {
  FormElement element;
  element.name = ToCore(object.value(QLatin1String("name")).toString());
  element.value = ToCore(object.value(QLatin1String("value")).toString());
  element.tagName = ToCore(object.value(QLatin1String("tagName")).toString());
  for (const QJsonValue& option : object.value(QLatin1String("options")).toArray()) {
    element.options.push_back(ToCore(option.toString()));
  }
  return element;
}

}  // namespace

WebEngineBrowser::WebEngineBrowser(QWebEnginePage* page, QObject* parent)
    : QObject(parent), page_(page) {
  connect(page_, &QWebEnginePage::loadingChanged, this, &WebEngineBrowser::OnLoadingChanged);
}

void WebEngineBrowser::Submit(const FormRequest& request) {
  StartRequest(Request::Submission);
  QUrl url(DecodeWindows1252(request.action));
  const QByteArray fields = QByteArray::fromStdString(request.fields);
  QWebEngineHttpRequest http;
  if (request.post) {
    http.setMethod(QWebEngineHttpRequest::Post);
    http.setHeader(QByteArrayLiteral("Content-Type"),
                   QByteArrayLiteral("application/x-www-form-urlencoded"));
    http.setPostData(fields);
  } else {
    // As a form sent with GET does: its fields replace the action's own query.
    url.setQuery(QString::fromLatin1(fields));
  }
  http.setUrl(url);
  page_->load(http);
}

void WebEngineBrowser::Navigate(const std::string& address) {
  StartRequest(Request::Navigation);
  page_->load(QUrl::fromUserInput(DecodeWindows1252(address)));
}

void WebEngineBrowser::Stop() {
  request_ = Request::None;
  ++serial_;
  page_->triggerAction(QWebEnginePage::Stop);
}

void WebEngineBrowser::PasteIntoFocusedElement(const std::string& text) {
  // Other elements (a text area, a list) are left to the user, who has the text on the
  // clipboard as well.
  const QString value = QString::fromUtf8(
      QJsonDocument(QJsonArray{DecodeWindows1252(text)}).toJson(QJsonDocument::Compact));
  page_->runJavaScript(QStringLiteral("(function(v){var e=document.activeElement;"
                                      "if(e&&e.tagName.toLowerCase()==='input')e.value=v[0];})(%1)")
                           .arg(value),
                       QWebEngineScript::ApplicationWorld);
}

void WebEngineBrowser::StartRequest(Request request) {
  request_ = request;
  requestStarted_ = false;
  ++serial_;
}

void WebEngineBrowser::OnLoadingChanged(const QWebEngineLoadingInfo& info) {
  if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
    if (request_ != Request::None) {
      requestStarted_ = true;
    }
    return;
  }
  // A load that ends without having started after the request belongs to an earlier one.
  if (request_ == Request::None || !requestStarted_) {
    return;
  }
  const Request request = request_;
  request_ = Request::None;
  if (info.status() == QWebEngineLoadingInfo::LoadStoppedStatus) {
    // Nothing to show (HTTP 204, or a body the browser would only download): the browser
    // keeps the previous page, which must not pass for the reply.
    ReportEmptyReply(info.url());
    return;
  }
  const bool httpReply = info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain;
  if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus && !httpReply) {
    ReportFailedLoad(info);
    return;
  }
  // A local file comes with a made-up status that no server sent.
  const bool fromServer = info.url().scheme().startsWith(QLatin1String("http"));
  const int httpStatus = fromServer && httpReply ? info.errorCode() : 0;
  if (request == Request::Submission) {
    ReadReplyThenReport(info.url(), httpStatus);
  } else {
    ReadPageThenReport(info.url(), httpStatus);
  }
}

void WebEngineBrowser::ReadReplyThenReport(const QUrl& url, int httpStatus) {
  const unsigned serial = serial_;
  QPointer<WebEngineBrowser> self(this);
  page_->runJavaScript(QString::fromLatin1(kReadReplyScript), QWebEngineScript::ApplicationWorld,
                       [self, serial, url, httpStatus](const QVariant& result) {
                         if (self.isNull() || self->serial_ != serial) {
                           return;
                         }
                         self->ClearPage();
                         self->bodyText_ = ToCore(result.toString());
                         self->Report(url, httpStatus);
                       });
}

void WebEngineBrowser::ReadPageThenReport(const QUrl& url, int httpStatus) {
  const unsigned serial = serial_;
  QPointer<WebEngineBrowser> self(this);
  page_->runJavaScript(
      QString::fromLatin1(kReadPageScript), QWebEngineScript::ApplicationWorld,
      [self, serial, url, httpStatus](const QVariant& result) {
        if (self.isNull() || self->serial_ != serial) {
          return;
        }
        const QJsonObject page = QJsonDocument::fromJson(result.toString().toUtf8()).object();
        self->loadFailure_.clear();
        self->bodyText_ = ToCore(page.value(QLatin1String("text")).toString());
        self->pageSource_ = ToCore(page.value(QLatin1String("source")).toString());
        self->links_.clear();
        for (const QJsonValue& link : page.value(QLatin1String("links")).toArray()) {
          self->links_.push_back(ToCore(link.toString()));
        }
        self->formElements_.clear();
        for (const QJsonValue& element : page.value(QLatin1String("form")).toArray()) {
          self->formElements_.push_back(ToFormElement(element.toObject()));
        }
        self->Report(url, httpStatus);
      });
}

void WebEngineBrowser::ReportEmptyReply(const QUrl& url) {
  ClearPage();
  Report(url, 0);
}

void WebEngineBrowser::ReportFailedLoad(const QWebEngineLoadingInfo& info) {
  ClearPage();
  // The browser's error page is not read: it describes nothing the server said.
  loadFailure_ = ToCore(info.errorString());
  if (loadFailure_.empty()) {
    loadFailure_ = "error " + std::to_string(info.errorCode());
  }
  Report(info.url(), 0);
}

void WebEngineBrowser::ClearPage() {
  bodyText_.clear();
  pageSource_.clear();
  links_.clear();
  formElements_.clear();
  loadFailure_.clear();
}

void WebEngineBrowser::Report(const QUrl& url, int httpStatus) {
  const unsigned serial = serial_;
  const std::string address = AddressOf(url);
  if (events.navigationCompleted) {
    events.navigationCompleted(address, httpStatus);
  }
  // The core may have moved on to its next request from the first event; the second one
  // would then describe a page that is no longer there.
  if (serial == serial_ && events.documentCompleted) {
    events.documentCompleted(address);
  }
}

}  // namespace zentrova
