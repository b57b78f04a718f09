#include "text/scrambled_text.h"

#include <array>
#include <cstring>

namespace zentrova {

namespace {

// Stored codes above "Z" move down by one, the others up by two; the two ranges meet, so a
// restored code between 90 and 92 has two stored forms and codes 0, 1 and 255 have none.
constexpr unsigned char kLastUpper = 'Z';

unsigned char RestoredCode(unsigned char code) {
  return static_cast<unsigned char>(code > kLastUpper ? code - 1 : code + 2);
}

// A block of fixed size, restored from its bytes as they are now; the compiler turns the loop
// into vector instructions.
template <size_t N>
std::array<unsigned char, N> RestoredBlock(const char* text) {
  std::array<unsigned char, N> block;
  std::memcpy(block.data(), text, N);
  for (unsigned char& code : block) {
    code = RestoredCode(code);
  }
  return block;
}

template <size_t N>
void PutBlock(char* text, const std::array<unsigned char, N>& block) {
  std::memcpy(text, block.data(), N);
}

// A text of N to 2N - 1 bytes as two blocks that may overlap: both are restored from the
// stored bytes before either is written, so no byte is restored twice.
template <size_t N>
void RestoreShortText(char* text, size_t length) {
  const auto first = RestoredBlock<N>(text);
  const auto last = RestoredBlock<N>(text + length - N);
  PutBlock(text, first);
  PutBlock(text + length - N, last);
}

constexpr size_t kBlockSize = 16;

}  // namespace

std::string RestoreText(const std::string& stored) {
  std::string text = stored;
  RestoreTextInPlace(text.data(), text.size());
  return text;
}

// The database is megabytes of scrambled text in records of a few dozen bytes, so the text is
// restored a block at a time, and the ragged end of a record as one more block that overlaps
// the last whole one instead of byte by byte.
void RestoreTextInPlace(char* text, size_t length) {
  if (length >= kBlockSize) {
    const auto last = RestoredBlock<kBlockSize>(text + length - kBlockSize);
    for (size_t i = 0; i + kBlockSize <= length; i += kBlockSize) {
      PutBlock(text + i, RestoredBlock<kBlockSize>(text + i));
    }
    PutBlock(text + length - kBlockSize, last);
  } else if (length >= 8) {
    RestoreShortText<8>(text, length);
  } else if (length >= 4) {
    RestoreShortText<4>(text, length);
  } else {
    for (size_t i = 0; i < length; ++i) {
      text[i] = static_cast<char>(RestoredCode(static_cast<unsigned char>(text[i])));
    }
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

}  // namespace zentrova
