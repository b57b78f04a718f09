#pragma once

#include <functional>
#include <string>

namespace zentrova {

// A plain HTTP request that is not a page to show: IndexNow's JSON, the key-file check.
struct HttpRequest {
  std::string method = "GET";  // "GET" or "POST"
  // Windows-1252 bytes like every address of the core; the platform converts at its edge.
  std::string url;
  std::string contentType;  // POST only
  std::string body;         // bytes sent as they are
};

// The server's answer, or why there is none.
struct HttpAnswer {
  int status = 0;      // the HTTP status; 0 when no answer came
  std::string body;    // bytes as received
  std::string reason;  // why no answer came (status 0): refused, timed out, no such host …
};

// Sends plain HTTP requests. Contract:
// - the answer is handed to `done` later, through the event loop, never during Send;
// - every request ends: a server that never answers gives status 0 with its reason once the
//   platform's own transfer time-out strikes;
// - Cancel drops the request of that number if it is not yet answered; its `done` is never
//   called. Other requests (a key-file check from the Profile page during a run) go on.
class HttpClient {
 public:
  using Done = std::function<void(const HttpAnswer&)>;
  // Numbers the requests of one client; never 0.
  using RequestId = unsigned;

  virtual ~HttpClient() = default;
  virtual RequestId Send(const HttpRequest& request, Done done) = 0;
  virtual void Cancel(RequestId request) = 0;
};

}  // namespace zentrova
