#include "app/platform/qt_http_client.h"

#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

#include "app/platform/windows1252.h"

namespace zentrova {

namespace {

// Set on a reply the client gave up on itself, so its end is not read as the server's.
constexpr char kTooLargeProperty[] = "zentrovaTooLarge";

std::string SecondsText(int milliseconds) {
  return std::to_string((milliseconds + 999) / 1000);
}

}  // namespace

QtHttpClient::QtHttpClient(int transferTimeoutMilliseconds)
    : transferTimeout_(transferTimeoutMilliseconds) {}

QtHttpClient::~QtHttpClient() {
  for (const RequestId id : pending_.keys()) {
    Cancel(id);
  }
}

HttpClient::RequestId QtHttpClient::Send(const HttpRequest& request, Done done) {
  QNetworkRequest networkRequest(QUrl(DecodeWindows1252(request.url)));
  networkRequest.setTransferTimeout(transferTimeout_);
  // A cached key file would hide the one the user has just uploaded.
  networkRequest.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                              QNetworkRequest::AlwaysNetwork);
  QNetworkReply* reply = nullptr;
  if (request.method == "POST") {
    networkRequest.setHeader(QNetworkRequest::ContentTypeHeader,
                             QByteArray::fromStdString(request.contentType));
    reply = manager_.post(networkRequest, QByteArray::fromStdString(request.body));
  } else {
    reply = manager_.get(networkRequest);
  }
  const RequestId id = ++lastId_;
  pending_.insert(id, reply);
  QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                   [reply](qint64 received, qint64) {
                     if (received > kMaxAnswerBytes) {
                       reply->setProperty(kTooLargeProperty, true);
                       reply->abort();
                     }
                   });
  QObject::connect(reply, &QNetworkReply::finished, reply,
                   [this, id, reply, done = std::move(done)] { Finish(id, reply, done); });
  return id;
}

void QtHttpClient::Finish(RequestId id, QNetworkReply* reply, const Done& done) {
  pending_.remove(id);
  reply->deleteLater();
  HttpAnswer answer;
  const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
  if (reply->property(kTooLargeProperty).toBool()) {
    answer.reason = "the answer is larger than " + std::to_string(kMaxAnswerBytes) + " bytes";
  } else if (status.isValid()) {
    answer.status = status.toInt();
    answer.body = reply->readAll().left(kMaxAnswerBytes).toStdString();
  } else if (reply->error() == QNetworkReply::OperationCanceledError) {
    answer.reason = "the transfer time-out of " + SecondsText(transferTimeout_) + " seconds passed";
  } else {
    answer.reason = EncodeWindows1252(reply->errorString()).bytes;
  }
  done(answer);
}

void QtHttpClient::Cancel(RequestId id) {
  QNetworkReply* reply = pending_.take(id);
  if (reply == nullptr) {
    return;
  }
  QObject::disconnect(reply, nullptr, nullptr, nullptr);
  reply->abort();
  reply->deleteLater();
}

}  // namespace zentrova
