#pragma once

#include <QNetworkAccessManager>
#include <QSet>

#include "ports/http_client.h"

class QNetworkReply;

namespace zentrova {

// Plain HTTP over Qt Network. Every request ends within the transfer time-out at the latest,
// and an answer is read into memory only up to kMaxAnswerBytes.
class QtHttpClient : public HttpClient {
 public:
  static constexpr int kDefaultTransferTimeoutMilliseconds = 30000;
  static constexpr qint64 kMaxAnswerBytes = 1024 * 1024;

  explicit QtHttpClient(int transferTimeoutMilliseconds = kDefaultTransferTimeoutMilliseconds);
  ~QtHttpClient() override;

  void Send(const HttpRequest& request, Done done) override;
  void Abort() override;
  void SetTransferTimeout(int milliseconds) { transferTimeout_ = milliseconds; }

 private:
  void Finish(QNetworkReply* reply, const Done& done);

  QNetworkAccessManager manager_;
  QSet<QNetworkReply*> pending_;
  int transferTimeout_;
};

}  // namespace zentrova
