#include "database_source_text.h"

#include <cstdio>

namespace zentrova::tool {

namespace {

constexpr char kBlanks[] = " \t";

std::string_view Trim(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7F;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

// Reads a quoted string at the start of `text`; `used` receives how many bytes it took.
bool ReadQuoted(std::string_view text, std::string& value, size_t& used, std::string& error) {
  value.clear();
  for (size_t i = 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      used = i + 1;
      return true;
    }
    if (c != '\\') {
      value.push_back(c);
      continue;
    }
    if (++i == text.size()) {
      break;
    }
    switch (text[i]) {
      case '"':
      case '\\':
        value.push_back(text[i]);
        break;
      case 't':
        value.push_back('\t');
        break;
      case 'r':
        value.push_back('\r');
        break;
      case 'n':
        value.push_back('\n');
        break;
      case 'x': {
        const int high = i + 1 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = i + 2 < text.size() ? HexDigit(text[i + 2]) : -1;
        if (high < 0 || low < 0) {
          error = "\\x needs two hexadecimal digits";
          return false;
        }
        value.push_back(static_cast<char>(high * 16 + low));
        i += 2;
        break;
      }
      default:
        error = std::string("unknown escape \\") + text[i];
        return false;
    }
  }
  error = "quoted text has no closing quote";
  return false;
}

std::string Quote(const std::string& value) {
  std::string quoted = "\"";
  for (const char c : value) {
    switch (c) {
      case '"':
        quoted += "\\\"";
        break;
      case '\\':
        quoted += "\\\\";
        break;
      case '\t':
        quoted += "\\t";
        break;
      case '\r':
        quoted += "\\r";
        break;
      case '\n':
        quoted += "\\n";
        break;
      default:
        if (IsControl(static_cast<unsigned char>(c))) {
          char escape[5];
          std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
          quoted += escape;
        } else {
          quoted.push_back(c);
        }
    }
  }
  return quoted + "\"";
}

bool NeedsQuotes(const std::string& value) {
  if (value.empty()) {
    return false;
  }
  if (value.front() == '"' || value.front() == ' ' || value.front() == '\t' ||
      value.back() == ' ' || value.back() == '\t') {
    return true;
  }
  for (const char c : value) {
    if (IsControl(static_cast<unsigned char>(c))) {
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<SourceLine> SplitSourceLines(std::string_view source) {
  std::vector<SourceLine> lines;
  int number = 0;
  size_t start = 0;
  while (start < source.size()) {
    size_t end = source.find('\n', start);
    if (end == std::string_view::npos) {
      end = source.size();
    }
    std::string_view line = source.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    start = end + 1;
    ++number;
    line = Trim(line);
    if (line.empty() || line.front() == '#') {
      continue;
    }
    const size_t wordEnd = line.find_first_of(kBlanks);
    SourceLine parsed;
    parsed.number = number;
    parsed.keyword = std::string(line.substr(0, wordEnd));
    if (wordEnd != std::string_view::npos) {
      parsed.rest = std::string(Trim(line.substr(wordEnd)));
    }
    lines.push_back(std::move(parsed));
  }
  return lines;
}

bool ReadSourceValue(std::string_view text, std::string& value, std::string& error) {
  text = Trim(text);
  if (text.empty() || text.front() != '"') {
    value = std::string(text);
    return true;
  }
  size_t used = 0;
  if (!ReadQuoted(text, value, used, error)) {
    return false;
  }
  if (used != text.size()) {
    error = "text after the closing quote";
    return false;
  }
  return true;
}

bool ReadSourcePair(std::string_view text, std::string& left, std::string& right,
                    std::string& error) {
  text = Trim(text);
  size_t equals = 0;
  if (!text.empty() && text.front() == '"') {
    size_t used = 0;
    if (!ReadQuoted(text, left, used, error)) {
      return false;
    }
    equals = text.find_first_not_of(kBlanks, used);
    if (equals == std::string_view::npos || text[equals] != '=') {
      error = "expected \"=\" after the quoted text";
      return false;
    }
  } else {
    equals = text.find('=');
    if (equals == std::string_view::npos) {
      error = "expected NAME = VALUE";
      return false;
    }
    left = std::string(Trim(text.substr(0, equals)));
  }
  return ReadSourceValue(text.substr(equals + 1), right, error);
}

std::string FormatSourceValue(const std::string& value) {
  return NeedsQuotes(value) ? Quote(value) : value;
}

std::string FormatSourcePairLeft(const std::string& value) {
  return NeedsQuotes(value) || value.find('=') != std::string::npos ? Quote(value) : value;
}

}  // namespace zentrova::tool
