#pragma once

#include <QHash>
#include <QNetworkAccessManager>

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

  RequestId Send(const HttpRequest& request, Done done) override;
  void Cancel(RequestId request) override;
  void SetTransferTimeout(int milliseconds) { transferTimeout_ = milliseconds; }

 private:
  void Finish(RequestId id, QNetworkReply* reply, const Done& done);

  QNetworkAccessManager manager_;
  QHash<RequestId, QNetworkReply*> pending_;
  RequestId lastId_ = 0;
  int transferTimeout_;
};

}  // namespace zentrova
