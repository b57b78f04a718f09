#include "session/session_bytes.h"

#include <cstdint>

#include "session/session_file.h"

namespace zentrova {

void SessionWriter::Int16(int value) {
  const auto word = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
  bytes_.push_back(static_cast<char>(word & 0xFF));
  bytes_.push_back(static_cast<char>(word >> 8));
}

void SessionWriter::Text(std::string_view text) {
  const std::string_view stored = text.substr(0, kMaxStoredText);
  Int16(static_cast<int>(stored.size()));
  bytes_.append(stored);
}

int SessionReader::Stop() {
  damaged_ = true;
  position_ = bytes_.size();
  return 0;
}

int SessionReader::Int16() {
  if (damaged_ || Remaining() < 2) {
    return Stop();
  }
  const auto low = static_cast<unsigned char>(bytes_[position_]);
  const auto high = static_cast<unsigned char>(bytes_[position_ + 1]);
  position_ += 2;
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
}

std::string SessionReader::Text() {
  const int length = Int16();
  if (damaged_ || length < 0 || static_cast<std::size_t>(length) > Remaining()) {
    Stop();
    return {};
  }
  std::string text(bytes_.substr(position_, static_cast<std::size_t>(length)));
  position_ += static_cast<std::size_t>(length);
  return text;
}

int SessionReader::Count(std::size_t minItemBytes) {
  const int count = Int16();
  if (damaged_ || count < 0 || static_cast<std::size_t>(count) * minItemBytes > Remaining()) {
    return Stop();
  }
  return count;
}

}  // namespace zentrova
