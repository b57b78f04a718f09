#include "text/code_page.h"

#include <array>

namespace zentrova {
namespace {

// 0x80 … 0x9F; the five bytes the code page leaves undefined map to the control characters of
// the same number, so that every byte survives the way there and back.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePoint(unsigned char byte) {
  return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : byte;
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The byte holding the character, or -1.
int CodePageByte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
    return static_cast<int>(code);
  }
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == code) {
      return static_cast<int>(0x80 + i);
    }
  }
  return -1;
}

// Reads one character at `at`; its length in bytes, 0 when the bytes there are not UTF-8.
size_t DecodeOne(std::string_view text, size_t at, char32_t& code) {
  const auto lead = static_cast<unsigned char>(text[at]);
  size_t length = 0;
  char32_t smallest = 0;
  if (lead < 0x80) {
    code = lead;
    return 1;
  }
  if ((lead & 0xE0) == 0xC0) {
    length = 2;
    code = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    code = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    code = lead & 0x07;
    smallest = 0x10000;
  } else {
    return 0;
  }
  if (at + length > text.size()) {
    return 0;
  }
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[at + i]);
    if ((next & 0xC0) != 0x80) {
      return 0;
    }
    code = (code << 6) | (next & 0x3F);
  }
  // Overlong forms, surrogates and numbers past the last character are not UTF-8.
  if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    return 0;
  }
  return length;
}

}  // namespace

std::string Utf8FromWindows1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (const char c : bytes) {
    AppendUtf8(out, CodePoint(static_cast<unsigned char>(c)));
  }
  return out;
}

CodePageText Windows1252FromUtf8(std::string_view utf8) {
  CodePageText result;
  result.bytes.reserve(utf8.size());
  for (size_t at = 0; at < utf8.size();) {
    char32_t code = 0;
    const size_t length = DecodeOne(utf8, at, code);
    const int byte = length > 0 ? CodePageByte(code) : -1;
    if (byte < 0) {
      result.bytes += '?';
      ++result.unmappable;
    } else {
      result.bytes += static_cast<char>(byte);
    }
    at += length > 0 ? length : 1;
  }
  return result;
}

std::string Utf8HtmlPage(std::string_view html) {
  if (html.empty()) {
    return {};
  }
  return std::string(kUtf8Declaration) + "\r\n" + Utf8FromWindows1252(html);
}

std::string PathText(std::string_view path) {
  return Windows1252FromUtf8(path).bytes;
}

bool IsUtf8(std::string_view bytes, bool* nonAscii) {
  bool high = false;
  for (size_t at = 0; at < bytes.size();) {
    char32_t code = 0;
    const size_t length = DecodeOne(bytes, at, code);
    if (length == 0) {
      return false;
    }
    high = high || code >= 0x80;
    at += length;
  }
  if (nonAscii != nullptr) {
    *nonAscii = high;
  }
  return true;
}

}  // namespace zentrova
