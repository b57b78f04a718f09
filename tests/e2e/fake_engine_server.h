#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QHttpServer>
#include <QString>

namespace zentrova::testing {

// One request as the fake engines received it.
struct ReceivedRequest {
  QString path;
  QString method;
  QByteArray rawFields;  // the query or the form body, still percent-encoded
  std::vector<std::pair<QString, QString>> fields;  // decoded, in the order sent
};

// A web server on 127.0.0.1 that plays search engines:
//   /echo          GET or POST form; replies "Thank you" and the decoded fields
//   /redirect      POST form; 302 to /thanks ("Welcome aboard")
//   /indexnow/N    GET ping or POST JSON answering status N: 200 and 202 with an empty
//                  text/plain body, 204 with none, 403 "Key not valid", 422 and 429 empty
//   /never         holds the request open and never answers
//   /alert         a reply page that opens an alert and a confirm box
//   /sitemap.xml   an XML sitemap naming one page
//   /status        the service status page: serviceBody as set by the test
//   /pages/NAME    the HTML page pages[NAME] as set by the test
//   /login         sets a cookie that lasts an hour; /whoami shows the cookies it is sent
//   /NAME          the text file rootFiles[NAME] as set by the test (a key file), else 404;
//                  only requests for NAME ending in ".txt" are recorded
class FakeEngineServer {
 public:
  FakeEngineServer();

  quint16 Port() const { return port_; }
  // "http://127.0.0.1:PORT" + path
  std::string Url(const std::string& path) const;
  const std::vector<ReceivedRequest>& Requests() const { return requests_; }

  QByteArray serviceBody;
  std::map<QString, QByteArray> pages;
  std::map<QString, QByteArray> rootFiles;

 private:
  void Record(const QHttpServerRequest& request);

  QHttpServer server_;
  quint16 port_ = 0;
  std::vector<ReceivedRequest> requests_;
  std::vector<QHttpServerResponder> unanswered_;
};

}  // namespace zentrova::testing
