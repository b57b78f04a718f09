#pragma once

#include <functional>
#include <string>

#include "ports/http_client.h"
#include "session/session_state.h"
#include "submission/indexnow_protocol.h"

namespace zentrova {

// The key and the address of its key file as a profile gives them.
struct KeyFileTarget {
  std::string key;
  std::string address;  // empty when KeyFileAddress finds none
};
KeyFileTarget ProfileKeyFile(const ProfileValues& profile);

// Fetches the key file and judges it; the request's number. A missing or malformed key, or a
// missing address, is judged at once without a request (number 0).
HttpClient::RequestId CheckKeyFile(HttpClient& http, const KeyFileTarget& target,
                                   std::function<void(const KeyFileVerdict&)> done);

}  // namespace zentrova
