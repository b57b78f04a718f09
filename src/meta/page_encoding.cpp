#include "meta/page_encoding.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "text/ascii_case.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

// `charset=utf-8`, in a META tag of either form, quoted or not, with or without the hyphen.
bool DeclaresUtf8(std::string_view page) {
  const std::string text = AsciiLowercase(page);
  // Only the head declares; a body may well talk about character sets.
  const size_t end = std::min(text.find("</head"), text.size());
  for (size_t at = text.find("charset"); at < end; at = text.find("charset", at + 1)) {
    size_t value = at + std::string_view("charset").size();
    while (value < end && std::isspace(static_cast<unsigned char>(text[value]))) {
      ++value;
    }
    if (value >= end || text[value] != '=') {
      continue;
    }
    ++value;
    while (value < end && (std::isspace(static_cast<unsigned char>(text[value])) ||
                           text[value] == '"' || text[value] == '\'')) {
      ++value;
    }
    if (text.compare(value, 5, "utf-8") == 0 || text.compare(value, 4, "utf8") == 0) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool IsUtf8Page(std::string_view page) {
  if (page.starts_with(kUtf8ByteOrderMark) || DeclaresUtf8(page)) {
    return true;
  }
  bool nonAscii = false;
  return IsUtf8(page, &nonAscii) && nonAscii;
}

}  // namespace zentrova
