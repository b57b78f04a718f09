#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zentrova::testing {

// Builds database files byte by byte, scrambling on its own so that a fault in the
// program's scrambling cannot hide a matching fault in its restoring.
inline std::string LengthWord(int word) {
  const auto bits = static_cast<uint16_t>(static_cast<int16_t>(word));
  return {static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

inline std::string ScrambledRecord(const std::string& text) {
  std::string stored = text;
  for (char& c : stored) {
    const auto code = static_cast<unsigned char>(c);
    c = static_cast<char>(code >= 'Z' ? code + 1 : code - 2);
  }
  return LengthWord(17890 + static_cast<int>(text.size())) + stored;
}

inline std::string DatabaseHeader() {
  return std::string(626, 'H');
}

// A header, the records, and the end marker.
inline std::string DatabaseFile(const std::vector<std::string>& records) {
  std::string bytes = DatabaseHeader();
  for (const auto& record : records) {
    bytes += ScrambledRecord(record);
  }
  return bytes + LengthWord(0);
}

}  // namespace zentrova::testing
