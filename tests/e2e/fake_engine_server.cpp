#include "fake_engine_server.h"

#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QHttpServerResponse>
#include <QUrlQuery>

namespace zentrova::testing {
namespace {

using Status = QHttpServerResponse::StatusCode;

std::vector<std::pair<QString, QString>> DecodeFields(const QByteArray& raw) {
  std::vector<std::pair<QString, QString>> fields;
  if (raw.isEmpty()) {
    return fields;
  }
  for (const QByteArray& pair : raw.split('&')) {
    const qsizetype equals = pair.indexOf('=');
    auto decode = [](QByteArray part) {
      return QString::fromUtf8(QByteArray::fromPercentEncoding(part.replace('+', ' ')));
    };
    fields.emplace_back(decode(pair.left(equals)),
                        equals < 0 ? QString() : decode(pair.mid(equals + 1)));
  }
  return fields;
}

QByteArray EchoPage(const ReceivedRequest& request) {
  QByteArray page = "<html><body><p>Thank you for your submission.</p><ul>";
  for (const auto& [name, value] : request.fields) {
    page += "<li>" + name.toHtmlEscaped().toUtf8() + "=" + value.toHtmlEscaped().toUtf8() + "</li>";
  }
  return page + "</ul></body></html>";
}

}  // namespace

FakeEngineServer::FakeEngineServer() {
  server_.route("/echo", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse("text/html; charset=utf-8", EchoPage(requests_.back()));
  });
  server_.route("/redirect", [this](const QHttpServerRequest& request) {
    Record(request);
    QHttpServerResponse response(Status::Found);
    response.setHeader("Location", QByteArray("/thanks"));
    return response;
  });
  server_.route("/thanks", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse("text/html", QByteArray("<html><body>Welcome aboard</body></html>"));
  });
  server_.route("/indexnow/<arg>", [this](int status, const QHttpServerRequest& request) {
    Record(request);
    switch (status) {
      case 204:
        return QHttpServerResponse(Status::NoContent);
      case 403:
        return QHttpServerResponse("text/plain", QByteArray("Key not valid"), Status::Forbidden);
      default:
        return QHttpServerResponse("text/plain", QByteArray(), static_cast<Status>(status));
    }
  });
  server_.route("/never",
                [this](const QHttpServerRequest& request, QHttpServerResponder&& responder) {
                  Record(request);
                  unanswered_.push_back(std::move(responder));
                });
  server_.route("/status", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse("text/plain; charset=windows-1252", serviceBody);
  });
  server_.route("/alert", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse(
        "text/html", QByteArray("<html><body><script>alert('Added');confirm('Again?');</script>"
                                "Thank you</body></html>"));
  });
  server_.route("/sitemap.xml", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse(
        "application/xml",
        QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
                   "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">"
                   "<url><loc>http://www.example.com/a.html</loc></url></urlset>"));
  });
  server_.route("/pages/<arg>", [this](const QString& name, const QHttpServerRequest& request) {
    Record(request);
    const auto page = pages.find(name);
    if (page == pages.end()) {
      return QHttpServerResponse(Status::NotFound);
    }
    return QHttpServerResponse("text/html; charset=utf-8", page->second);
  });
  server_.route("/login", [this](const QHttpServerRequest& request) {
    Record(request);
    QHttpServerResponse response("text/html", QByteArray("<html><body>Signed in</body></html>"));
    response.setHeader("Set-Cookie", QByteArray("member=ann; Max-Age=3600; Path=/"));
    return response;
  });
  server_.route("/whoami", [this](const QHttpServerRequest& request) {
    Record(request);
    return QHttpServerResponse("text/html",
                               "<html><body>" + request.value("Cookie") + "</body></html>");
  });
  // Last, so that every route above takes precedence. Only text files are recorded: the
  // browser's own requests (its icon) are no engine's business.
  server_.route("/<arg>", [this](const QString& name, const QHttpServerRequest& request) {
    if (name.endsWith(QStringLiteral(".txt"))) {
      Record(request);
    }
    const auto file = rootFiles.find(name);
    if (file == rootFiles.end()) {
      return QHttpServerResponse(Status::NotFound);
    }
    return QHttpServerResponse("text/plain; charset=utf-8", file->second);
  });
  port_ = server_.listen(QHostAddress::LocalHost, 0);
}

std::string FakeEngineServer::Url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void FakeEngineServer::Record(const QHttpServerRequest& request) {
  ReceivedRequest received;
  received.path = request.url().path();
  received.method = request.method() == QHttpServerRequest::Method::Post ? "POST" : "GET";
  received.rawFields = request.method() == QHttpServerRequest::Method::Post
                           ? request.body()
                           : request.url().query(QUrl::FullyEncoded).toUtf8();
  received.fields = DecodeFields(received.rawFields);
  requests_.push_back(std::move(received));
}

}  // namespace zentrova::testing
