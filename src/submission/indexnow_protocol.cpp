#include "submission/indexnow_protocol.h"

#include <algorithm>
#include <random>
#include <set>

#include "text/ascii_case.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr char kWhiteSpace[] = " \t\r\n\f\v";
constexpr int kNewKeyBytes = 16;

enum HttpStatus : int {
  kOk = 200,
  kAccepted = 202,
  kBadRequest = 400,
  kForbidden = 403,
  kNotFound = 404,
  kUnprocessable = 422,
  kTooManyRequests = 429,
};

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-';
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(kWhiteSpace);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

}  // namespace

std::optional<std::string> IndexNowKeyProblem(std::string_view key) {
  if (key.empty()) {
    return "no IndexNow key is given";
  }
  if (key.size() < kMinIndexNowKeyLength || key.size() > kMaxIndexNowKeyLength) {
    return "the IndexNow key has " + std::to_string(key.size()) + " characters; it needs " +
           std::to_string(kMinIndexNowKeyLength) + " to " + std::to_string(kMaxIndexNowKeyLength);
  }
  const auto bad = std::find_if_not(key.begin(), key.end(), IsKeyCharacter);
  if (bad != key.end()) {
    return "the IndexNow key holds the character \"" + std::string(1, *bad) +
           "\"; only letters a-z and A-Z, digits and \"-\" are allowed";
  }
  return std::nullopt;
}

std::string NewIndexNowKey() {
  std::random_device source;
  std::uniform_int_distribution<int> byte(0, 255);
  std::string key;
  for (int i = 0; i < kNewKeyBytes; ++i) {
    const int value = byte(source);
    key += kHexDigits[value >> 4];
    key += kHexDigits[value & 0x0F];
  }
  return key;
}

std::optional<WebAddress> ParseWebAddress(std::string_view address) {
  const size_t schemeEnd = address.find("://");
  if (schemeEnd == std::string_view::npos) {
    return std::nullopt;
  }
  WebAddress parts;
  parts.scheme = AsciiLowercase(address.substr(0, schemeEnd));
  if (parts.scheme != "http" && parts.scheme != "https") {
    return std::nullopt;
  }
  std::string_view authority = address.substr(schemeEnd + 3);
  authority = authority.substr(0, authority.find_first_of("/?#"));
  const size_t user = authority.rfind('@');
  if (user != std::string_view::npos) {
    authority.remove_prefix(user + 1);
  }
  // A bracketed IPv6 host keeps its colons.
  const size_t hostEnd =
      authority.empty() || authority.front() != '[' ? authority.find(':') : authority.find(']') + 1;
  const std::string_view host = authority.substr(0, hostEnd);
  if (host.empty()) {
    return std::nullopt;
  }
  parts.host = AsciiLowercase(host);
  parts.authority = std::string(authority);
  return parts;
}

std::string KeyFileAddress(const std::string& pageAddress, const std::string& key,
                           const std::string& keyFileAddress) {
  const std::string_view given = Trimmed(keyFileAddress);
  if (!given.empty()) {
    return std::string(given);
  }
  // The default file is named after the key: a key that cannot be sent names no file, and
  // "/.txt" would be an address that nobody checks.
  const auto page = ParseWebAddress(pageAddress);
  if (!page || IndexNowKeyProblem(key)) {
    return {};
  }
  return page->scheme + "://" + page->authority + "/" + key + ".txt";
}

IndexNowAddresses SelectIndexNowAddresses(const std::string& pageAddress,
                                          const std::vector<std::string>& links) {
  IndexNowAddresses result;
  result.sent.push_back(pageAddress);
  const auto page = ParseWebAddress(pageAddress);
  std::set<std::string> seen{pageAddress};
  for (const std::string& link : links) {
    const auto address = ParseWebAddress(link);
    if (!page || !address || address->host != page->host) {
      result.leftOut.push_back(link);
    } else if (seen.insert(link).second) {
      result.sent.push_back(link);
    }
  }
  return result;
}

size_t IndexNowRequestCount(size_t count) {
  return (count + kMaxIndexNowAddresses - 1) / kMaxIndexNowAddresses;
}

std::string JsonString(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          out += "\\u00";
          out += kHexDigits[(c >> 4) & 0x0F];
          out += kHexDigits[c & 0x0F];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string IndexNowBody(const std::string& host, const std::string& key,
                         const std::string& keyLocation, const std::vector<std::string>& addresses,
                         size_t first, size_t count) {
  std::string body = "{\"host\":" + JsonString(Utf8FromWindows1252(host)) +
                     ",\"key\":" + JsonString(Utf8FromWindows1252(key)) +
                     ",\"keyLocation\":" + JsonString(Utf8FromWindows1252(keyLocation)) +
                     ",\"urlList\":[";
  const size_t end = std::min(addresses.size(), first + count);
  for (size_t i = first; i < end; ++i) {
    if (i != first) {
      body += ',';
    }
    body += JsonString(Utf8FromWindows1252(addresses[i]));
  }
  return body + "]}";
}

IndexNowVerdict JudgeIndexNowAnswer(const HttpAnswer& answer) {
  switch (answer.status) {
    case 0:
      return {false, "No answer: " + (answer.reason.empty() ? "unknown reason" : answer.reason)};
    case kOk:
      return {true, "OK: the addresses were received"};
    case kAccepted:
      return {true, "Accepted: the addresses were received; key not yet verified"};
    case kBadRequest:
      return {false, "Bad request: the request's format is invalid"};
    case kForbidden:
      return {false,
              "Forbidden: the key is not valid (key file not found, or it holds another key)"};
    case kUnprocessable:
      return {false,
              "Unprocessable Entity: addresses not on the host, or the key does not match the "
              "scheme"};
    case kTooManyRequests:
      return {false, "Too Many Requests: submitting too often; try again later"};
    default:
      return {false, "Unexpected answer: HTTP " + std::to_string(answer.status)};
  }
}

KeyFileVerdict JudgeKeyFileAnswer(const HttpAnswer& answer, const std::string& key) {
  if (answer.status == 0) {
    return {false, "no answer: " + (answer.reason.empty() ? "unknown reason" : answer.reason)};
  }
  if (answer.status == kNotFound) {
    return {false, "the key file was not found (HTTP 404)"};
  }
  if (answer.status != kOk) {
    return {false, "the key file could not be read (HTTP " + std::to_string(answer.status) + ")"};
  }
  std::string_view text = answer.body;
  if (text.starts_with(kUtf8ByteOrderMark)) {
    text.remove_prefix(kUtf8ByteOrderMark.size());
  }
  text = Trimmed(text);
  if (text.empty()) {
    return {false, "the key file is empty"};
  }
  if (text != key) {
    return {false, "the key file holds another key"};
  }
  return {true, "found"};
}

}  // namespace zentrova
