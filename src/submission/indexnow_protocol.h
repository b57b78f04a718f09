#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ports/http_client.h"

namespace zentrova {

inline constexpr size_t kMinIndexNowKeyLength = 8;
inline constexpr size_t kMaxIndexNowKeyLength = 128;
// The most addresses one request may carry; more go in further requests.
inline constexpr size_t kMaxIndexNowAddresses = 10000;
inline constexpr char kIndexNowContentType[] = "application/json; charset=utf-8";

// Why a key cannot be used (missing, too short or long, a character outside a–z, A–Z, 0–9
// and "-"); nothing when it can.
std::optional<std::string> IndexNowKeyProblem(std::string_view key);
// A new key: 32 lowercase hexadecimal digits from the system's secure random source.
std::string NewIndexNowKey();

// The parts of an http or https address the protocol works with.
struct WebAddress {
  std::string scheme;     // "http" or "https", lowercase
  std::string host;       // lowercase, without port or user
  std::string authority;  // host and port as written, without user
};
std::optional<WebAddress> ParseWebAddress(std::string_view address);

// Where the key file must be: the given address, else /<key>.txt at the page's scheme and
// host. Empty when neither is there (no key file address, and no http or https page or no key
// that could be sent).
std::string KeyFileAddress(const std::string& pageAddress, const std::string& key,
                           const std::string& keyFileAddress);

// The addresses of one engine's submission: the page, then the links on the page's host in
// list order, each once; the links left out because they are on another host (or are no web
// address at all).
struct IndexNowAddresses {
  std::vector<std::string> sent;
  std::vector<std::string> leftOut;
};
IndexNowAddresses SelectIndexNowAddresses(const std::string& pageAddress,
                                          const std::vector<std::string>& links);
// Number of requests `count` addresses take.
size_t IndexNowRequestCount(size_t count);

// A JSON string literal of UTF-8 text: quotes, backslashes and control characters escaped.
std::string JsonString(std::string_view utf8);
// The JSON body of one request carrying addresses[first, first + count); Windows-1252 texts
// become UTF-8.
std::string IndexNowBody(const std::string& host, const std::string& key,
                         const std::string& keyLocation, const std::vector<std::string>& addresses,
                         size_t first, size_t count);

// What an engine's answer means.
struct IndexNowVerdict {
  bool accepted = false;
  std::string meaning;
};
IndexNowVerdict JudgeIndexNowAnswer(const HttpAnswer& answer);

// Whether the key file holds the key: an answer 200 whose text, without surrounding white
// space, is the key; otherwise why not.
struct KeyFileVerdict {
  bool found = false;
  std::string reason;  // "found" when found
};
KeyFileVerdict JudgeKeyFileAnswer(const HttpAnswer& answer, const std::string& key);

}  // namespace zentrova
