#include "deeppromo/sitemap.h"

#include <algorithm>
#include <cstdlib>

#include "text/code_page.h"

namespace zentrova {

namespace {

constexpr std::string_view kWhitespace = " \t\r\n";
// "&#" and up to eight digits before the ";".
constexpr size_t kMaxReferenceLength = 10;

std::string_view LocalName(std::string_view name) {
  const size_t colon = name.rfind(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

// Moves past the first occurrence of `end`, or to the end of the text when it is missing.
size_t SkipPast(std::string_view text, size_t pos, std::string_view end) {
  const size_t found = text.find(end, pos);
  return found == std::string_view::npos ? text.size() : found + end.size();
}

// The end of a start tag: the ">" that is not inside a quoted attribute value.
size_t TagEnd(std::string_view text, size_t pos) {
  char quote = 0;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      }
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == '>') {
      return pos;
    }
  }
  return std::string_view::npos;
}

struct StartTag {
  std::string_view localName;
  bool selfClosing = false;
  size_t next = 0;  // just after the ">"
};

// Reads the start tag at `pos` (which holds "<"); false when it never ends.
bool ReadStartTag(std::string_view text, size_t pos, StartTag& tag) {
  const size_t end = TagEnd(text, pos + 1);
  if (end == std::string_view::npos) {
    return false;
  }
  const std::string_view inside = text.substr(pos + 1, end - pos - 1);
  const size_t nameEnd = inside.find_first_of(" \t\r\n/");
  tag.localName = LocalName(inside.substr(0, nameEnd));
  tag.selfClosing = !inside.empty() && inside.back() == '/';
  tag.next = end + 1;
  return true;
}

// Replaces the predefined entities and ASCII character references; anything else is kept
// as written, since an address has no use for other characters.
std::string DecodeEntities(std::string_view text) {
  static constexpr struct {
    std::string_view entity;
    char character;
  } kNamed[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
  std::string decoded;
  size_t pos = 0;
  while (pos < text.size()) {
    if (text[pos] != '&') {
      decoded += text[pos++];
      continue;
    }
    bool replaced = false;
    for (const auto& named : kNamed) {
      if (text.substr(pos, named.entity.size()) == named.entity) {
        decoded += named.character;
        pos += named.entity.size();
        replaced = true;
        break;
      }
    }
    // A character reference is short: its ";" is looked for only that far, so a text of
    // nothing but "&" costs no more than its length.
    const size_t nearSemicolon = text.substr(pos, kMaxReferenceLength + 1).find(';');
    const size_t semicolon =
        nearSemicolon == std::string_view::npos ? nearSemicolon : pos + nearSemicolon;
    if (!replaced && text.substr(pos, 2) == "&#" && semicolon != std::string_view::npos) {
      const bool hex = pos + 2 < text.size() && (text[pos + 2] == 'x' || text[pos + 2] == 'X');
      const std::string digits(text.substr(pos + (hex ? 3 : 2), semicolon - pos - (hex ? 3 : 2)));
      char* parsedEnd = nullptr;
      const long code = std::strtol(digits.c_str(), &parsedEnd, hex ? 16 : 10);
      if (!digits.empty() && *parsedEnd == '\0' && code > 0 && code < 128) {
        decoded += static_cast<char>(code);
        pos = semicolon + 1;
        replaced = true;
      }
    }
    if (!replaced) {
      decoded += text[pos++];
    }
  }
  return decoded;
}

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kWhitespace);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kWhitespace) - first + 1);
}

// The text of an element up to its closing tag, CDATA sections taken literally.
std::string ReadText(std::string_view text, size_t& pos) {
  std::string content;
  while (pos < text.size()) {
    if (text.substr(pos, 9) == "<![CDATA[") {
      const size_t end = text.find("]]>", pos + 9);
      const size_t stop = end == std::string_view::npos ? text.size() : end;
      content += text.substr(pos + 9, stop - pos - 9);
      pos = end == std::string_view::npos ? text.size() : end + 3;
    } else if (text.substr(pos, 4) == "<!--") {
      pos = SkipPast(text, pos + 4, "-->");
    } else if (text[pos] == '<') {
      break;
    } else {
      const size_t next = std::min(text.find('<', pos), text.size());
      content += DecodeEntities(text.substr(pos, next - pos));
      pos = next;
    }
  }
  return std::string(Trim(content));
}

// Position of the root element's "<", after the prolog; npos when there is none.
size_t RootElement(std::string_view text) {
  size_t pos = text.starts_with(kUtf8ByteOrderMark) ? kUtf8ByteOrderMark.size() : 0;
  while (true) {
    pos = text.find_first_not_of(kWhitespace, pos);
    if (pos == std::string_view::npos || text[pos] != '<') {
      return std::string_view::npos;
    }
    if (text.substr(pos, 2) == "<?") {
      pos = SkipPast(text, pos + 2, "?>");
    } else if (text.substr(pos, 4) == "<!--") {
      pos = SkipPast(text, pos + 4, "-->");
    } else if (text.substr(pos, 2) == "<!") {
      pos = SkipPast(text, pos + 2, ">");
    } else {
      return pos;
    }
  }
}

}  // namespace

Sitemap ParseSitemap(std::string_view source) {
  Sitemap sitemap;
  StartTag root;
  const size_t rootPos = RootElement(source);
  if (rootPos == std::string_view::npos || !ReadStartTag(source, rootPos, root)) {
    return sitemap;
  }
  std::string_view itemName;
  if (root.localName == "urlset") {
    sitemap.kind = SitemapKind::UrlSet;
    itemName = "url";
  } else if (root.localName == "sitemapindex") {
    sitemap.kind = SitemapKind::Index;
    itemName = "sitemap";
  } else {
    return sitemap;
  }
  if (root.selfClosing) {
    return sitemap;
  }
  // Only a loc directly inside an item counts: extensions (images, videos) carry locs of
  // their own deeper down.
  std::vector<std::string_view> open{root.localName};
  size_t pos = root.next;
  while (!open.empty()) {
    pos = source.find('<', pos);
    if (pos == std::string_view::npos) {
      break;
    }
    if (source.substr(pos, 4) == "<!--") {
      pos = SkipPast(source, pos + 4, "-->");
    } else if (source.substr(pos, 9) == "<![CDATA[") {
      pos = SkipPast(source, pos + 9, "]]>");
    } else if (source.substr(pos, 2) == "<?" || source.substr(pos, 2) == "<!") {
      pos = SkipPast(source, pos + 2, ">");
    } else if (source.substr(pos, 2) == "</") {
      open.pop_back();
      pos = SkipPast(source, pos + 2, ">");
    } else {
      StartTag tag;
      if (!ReadStartTag(source, pos, tag)) {
        break;
      }
      pos = tag.next;
      if (tag.selfClosing) {
        continue;
      }
      if (tag.localName == "loc" && open.size() == 2 && open.back() == itemName) {
        std::string location = ReadText(source, pos);
        if (!location.empty()) {
          sitemap.locations.push_back(std::move(location));
        }
      }
      open.push_back(tag.localName);
    }
  }
  return sitemap;
}

}  // namespace zentrova
