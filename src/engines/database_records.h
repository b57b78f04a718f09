#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/scrambled_text.h"

namespace zentrova {

// Layout of the database file: an opaque header, then records, each a 16-bit length word
// (the text's length plus kRecordLengthOffset) and the scrambled text; a zero word ends it.
inline constexpr size_t kDatabaseHeaderSize = 626;
inline constexpr int kRecordLengthOffset = 17890;
inline constexpr size_t kMaxRecordText = 32767 - kRecordLengthOffset;

// The signed 16-bit little-endian length word that starts at `at`.
inline int RecordLengthWord(const char* at) {
  const auto low = static_cast<unsigned char>(at[0]);
  const auto high = static_cast<unsigned char>(at[1]);
  return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

struct DatabaseReadError {
  size_t offset = 0;  // where in the file the damage starts
  std::string message;
};

// A database file's records with their texts restored where they lie, so that every text is a
// view into the file's own bytes and no record is copied to be read. The length words are left
// as they are, which lets the records be walked as often as needed after the one restoring pass.
class RestoredDatabaseRecords {
 public:
  // Restores the texts of `fileBytes` in place, up to the end marker, the end of the file, or
  // the damage; the bytes must outlive the walks.
  explicit RestoredDatabaseRecords(std::span<char> fileBytes)
      : RestoredDatabaseRecords(fileBytes, [](std::string_view) {}) {}
  // The same, showing each text to `observe` as soon as it is restored: megabytes of records
  // are walked once more only when the walk has work to do.
  template <typename Observe>
  RestoredDatabaseRecords(std::span<char> fileBytes, Observe&& observe);

  // Where the file is damaged; the records before the damage are restored and walked all the same.
  const std::optional<DatabaseReadError>& Damage() const { return damage_; }

  class Iterator {
   public:
    explicit Iterator(const char* at) : at_(at) {}
    std::string_view operator*() const { return {at_ + 2, TextLength()}; }
    Iterator& operator++() {
      at_ += 2 + TextLength();
      return *this;
    }
    bool operator==(const Iterator&) const = default;

   private:
    // Only words of sound records lie between begin and end.
    size_t TextLength() const {
      return static_cast<size_t>(RecordLengthWord(at_) - kRecordLengthOffset);
    }
    const char* at_;
  };

  // The restored record texts in file order.
  Iterator begin() const { return Iterator(first_); }
  Iterator end() const { return Iterator(end_); }

 private:
  // Where the records start; nothing, with the damage noted, when the header is not sound.
  std::optional<size_t> FirstRecord(std::span<const char> fileBytes);
  // The text length of the record at `offset`; nothing at the end of the data, or at damage,
  // which is noted. Taken for every record, so the sound case is decided here.
  std::optional<size_t> SoundRecordAt(std::span<const char> fileBytes, size_t offset) {
    const size_t size = fileBytes.size();
    if (offset >= size) {
      return std::nullopt;
    }
    if (size - offset >= 2) {
      const int word = RecordLengthWord(fileBytes.data() + offset);
      if (word == 0) {
        return std::nullopt;
      }
      const auto length = static_cast<size_t>(word - kRecordLengthOffset);
      if (word >= kRecordLengthOffset && size - offset - 2 >= length) {
        return length;
      }
    }
    NoteDamageAt(fileBytes, offset);
    return std::nullopt;
  }
  void NoteDamageAt(std::span<const char> fileBytes, size_t offset);

  const char* first_ = nullptr;
  const char* end_ = nullptr;
  std::optional<DatabaseReadError> damage_;
};

template <typename Observe>
RestoredDatabaseRecords::RestoredDatabaseRecords(std::span<char> fileBytes, Observe&& observe) {
  const std::optional<size_t> first = FirstRecord(fileBytes);
  if (!first) {
    return;
  }
  char* const bytes = fileBytes.data();
  size_t offset = *first;
  while (const std::optional<size_t> length = SoundRecordAt(fileBytes, offset)) {
    char* const text = bytes + offset + 2;
    RestoreTextInPlace(text, *length);
    observe(std::string_view(text, *length));
    offset += 2 + *length;
  }
  first_ = bytes + *first;
  end_ = bytes + offset;
}

// The restored texts of a database file's records in file order, or where it is damaged.
struct DatabaseRecords {
  std::vector<std::string> records;
  std::optional<DatabaseReadError> error;
};

DatabaseRecords ReadDatabaseRecords(std::string_view fileBytes);

// The bytes of a database file holding these record texts, or the index of the first record
// that cannot be stored (too long, or a character the scrambling cannot represent).
struct DatabaseImage {
  std::string bytes;
  std::optional<size_t> badRecord;
};

DatabaseImage BuildDatabaseFile(const std::vector<std::string>& records);

// The largest database file read: a full table of kMaxEngines engines takes a few megabytes,
// so anything near this is no database and is refused without being read whole.
inline constexpr size_t kMaxDatabaseFileBytes = 64 * 1024 * 1024;

}  // namespace zentrova
