#include "submission/form_encoding.h"

#include <array>
#include <cstdint>

namespace zentrova {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page is Latin-1. The five bytes
// the code page leaves undefined stand for the control characters of the same number, as
// browsers read them.
constexpr std::array<std::uint16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr char kReplacementCharacter[] = "\xEF\xBF\xBD";
constexpr char kHexDigits[] = "0123456789ABCDEF";

std::uint32_t CodePoint(char byte) {
  const auto c = static_cast<unsigned char>(byte);
  return c >= 0x80 && c < 0xA0 ? kHighControls[c - 0x80] : c;
}

void AppendUtf8(std::string& out, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool LeftAsIs(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '*' ||
         c == '-' || c == '.' || c == '_';
}

void AppendEncoded(std::string& out, const std::string& utf8) {
  for (const char byte : utf8) {
    const auto c = static_cast<unsigned char>(byte);
    if (LeftAsIs(c)) {
      out += byte;
    } else if (c == ' ') {
      out += '+';
    } else {
      out += '%';
      out += kHexDigits[c >> 4];
      out += kHexDigits[c & 0x0F];
    }
  }
}

// The text as the page's parser hands it over: NUL replaced, and, when `dropLineBreaks`, without
// line breaks (a text input's value); otherwise each line break (CR LF, CR or LF) as CR LF.
std::string AsParsed(const std::string& text, bool dropLineBreaks) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      if (!dropLineBreaks) {
        out += "\r\n";
      }
    } else if (c == '\0') {
      out += kReplacementCharacter;
    } else {
      AppendUtf8(out, CodePoint(c));
    }
  }
  return out;
}

}  // namespace

std::string EncodeFormFields(const std::vector<FormField>& fields) {
  std::string encoded;
  for (const FormField& field : fields) {
    if (!encoded.empty()) {
      encoded += '&';
    }
    AppendEncoded(encoded, AsParsed(field.name, false));
    encoded += '=';
    AppendEncoded(encoded, AsParsed(field.value, true));
  }
  return encoded;
}

}  // namespace zentrova
