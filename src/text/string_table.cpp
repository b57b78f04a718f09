#include "text/string_table.h"

#include <cstdint>
#include <cstring>

namespace zentrova {

namespace {

// Stored codes above "Z" move down by one, the others up by two; the two ranges meet, so a
// restored code between 90 and 92 has two stored forms and codes 0, 1 and 255 have none.
constexpr unsigned char kLastUpper = 'Z';

}  // namespace

std::string RestoreText(const std::string& stored) {
  std::string text = stored;
  RestoreTextInPlace(text.data(), text.size());
  return text;
}

// The database is megabytes of scrambled text, so eight bytes are restored at a time. Every
// byte stays within its own lane: one above "Z" loses three (it is at least 91), then every
// byte gains two (none is above 254 by then).
void RestoreTextInPlace(char* text, size_t length) {
  constexpr uint64_t kLanes = 0x0101010101010101ULL;
  constexpr uint64_t kHighBits = 0x80 * kLanes;
  size_t i = 0;
  for (; i + sizeof(uint64_t) <= length; i += sizeof(uint64_t)) {
    uint64_t word;
    std::memcpy(&word, text + i, sizeof word);
    // High bit of a lane: the byte is above "Z" (at or above 128, or pushed there by adding).
    const uint64_t above = (((word & ~kHighBits) + (127 - kLastUpper) * kLanes) | word) & kHighBits;
    word = word - 3 * (above >> 7) + 2 * kLanes;
    std::memcpy(text + i, &word, sizeof word);
  }
  for (; i < length; ++i) {
    const auto code = static_cast<unsigned char>(text[i]);
    text[i] = static_cast<char>(code > kLastUpper ? code - 1 : code + 2);
  }
}

std::optional<std::string> ScrambleText(const std::string& text) {
  std::string stored = text;
  for (char& c : stored) {
    const auto code = static_cast<unsigned char>(c);
    if (code < 2 || code == 255) {
      return std::nullopt;
    }
    c = static_cast<char>(code >= kLastUpper ? code + 1 : code - 2);
  }
  return stored;
}

std::string NormaliseUrl(const std::string& text) {
  std::string url = text.compare(0, 4, "http") == 0 ? text : "http://" + text;
  if (const auto bracket = url.find('<'); bracket != std::string::npos) {
    url[bracket] = '~';
  }
  return url;
}

std::string LoadText(const Program& program, int id) {
  const auto& table = program.text.stringTable;
  const auto entry = table.find(id);
  return entry == table.end() ? std::string() : RestoreText(entry->second);
}

std::string ServiceStatusUrl(const Program& program) {
  return LoadText(program, kServiceStatusUrlFirstHalf) +
         LoadText(program, kServiceStatusUrlSecondHalf);
}

}  // namespace zentrova
