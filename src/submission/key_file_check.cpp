#include "submission/key_file_check.h"

#include <utility>

namespace zentrova {

KeyFileTarget ProfileKeyFile(const ProfileValues& profile) {
  const std::string& key = profile[kIndexNowKey];
  return {key, KeyFileAddress(profile[kPageAddress], key, profile[kIndexNowKeyFile])};
}

HttpClient::RequestId CheckKeyFile(HttpClient& http, const KeyFileTarget& target,
                                   std::function<void(const KeyFileVerdict&)> done) {
  if (const auto problem = IndexNowKeyProblem(target.key)) {
    done({false, *problem});
    return 0;
  }
  if (target.address.empty()) {
    done({false, "the page address is no http or https address, so the key file has none"});
    return 0;
  }
  return http.Send(HttpRequest{"GET", target.address, "", ""},
                   [key = target.key, done = std::move(done)](const HttpAnswer& answer) {
                     done(JudgeKeyFileAnswer(answer, key));
                   });
}

}  // namespace zentrova
