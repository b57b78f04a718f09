#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zentrova {

// The session file's two encodings: 16-bit little-endian integers, and texts as a 16-bit
// length followed by exactly that many bytes.
class SessionWriter {
 public:
  void Int16(int value);
  // A text longer than a length field can say is cut, so the field always matches its text.
  void Text(std::string_view text);
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// Reads from a bounded buffer. The first damage (a length or count that is negative or runs
// past the end) stops the read: from then on every number reads as 0 and every text as empty.
class SessionReader {
 public:
  explicit SessionReader(std::string_view bytes) : bytes_(bytes) {}

  int Int16();
  std::string Text();
  // A count of items that each take at least `minItemBytes`; a count the rest of the buffer
  // cannot hold is damage.
  int Count(std::size_t minItemBytes);
  bool Damaged() const { return damaged_; }

 private:
  std::size_t Remaining() const { return bytes_.size() - position_; }
  int Stop();

  std::string_view bytes_;
  std::size_t position_ = 0;
  bool damaged_ = false;
};

}  // namespace zentrova
