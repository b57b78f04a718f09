#include "engines/database_records.h"

#include <algorithm>

#include "text/scrambled_text.h"

namespace zentrova {

namespace {

constexpr char kHeaderText[] = "Zentrova submission database";

void AppendLengthWord(std::string& bytes, int word) {
  bytes.push_back(static_cast<char>(word & 0xFF));
  bytes.push_back(static_cast<char>((word >> 8) & 0xFF));
}

}  // namespace

std::optional<size_t> RestoredDatabaseRecords::FirstRecord(std::span<const char> fileBytes) {
  if (fileBytes.size() < kDatabaseHeaderSize) {
    damage_ = DatabaseReadError{fileBytes.size(), "file is shorter than its header"};
    return std::nullopt;
  }
  // A header of nothing but zero bytes is what an emptied or never-written file leaves.
  const auto headerEnd = fileBytes.begin() + kDatabaseHeaderSize;
  if (std::all_of(fileBytes.begin(), headerEnd, [](char c) { return c == '\0'; })) {
    damage_ = DatabaseReadError{0, "header is empty"};
    return std::nullopt;
  }
  return kDatabaseHeaderSize;
}

void RestoredDatabaseRecords::NoteDamageAt(std::span<const char> fileBytes, size_t offset) {
  if (fileBytes.size() - offset < 2) {
    damage_ = DatabaseReadError{offset, "length word cut off by the end of the file"};
    return;
  }
  const int word = RecordLengthWord(fileBytes.data() + offset);
  if (word < kRecordLengthOffset) {
    damage_ = DatabaseReadError{offset, "invalid record length word " + std::to_string(word)};
    return;
  }
  damage_ = DatabaseReadError{offset, "record cut off by the end of the file"};
}

DatabaseRecords ReadDatabaseRecords(std::string_view fileBytes) {
  std::string bytes(fileBytes);
  const RestoredDatabaseRecords restored(bytes);
  DatabaseRecords result;
  for (const std::string_view record : restored) {
    result.records.emplace_back(record);
  }
  result.error = restored.Damage();
  return result;
}

DatabaseImage BuildDatabaseFile(const std::vector<std::string>& records) {
  DatabaseImage image;
  image.bytes = kHeaderText;
  image.bytes.resize(kDatabaseHeaderSize, ' ');
  for (size_t i = 0; i < records.size(); ++i) {
    const auto stored = ScrambleText(records[i]);
    if (!stored || stored->size() > kMaxRecordText) {
      image.bytes.clear();
      image.badRecord = i;
      return image;
    }
    AppendLengthWord(image.bytes, kRecordLengthOffset + static_cast<int>(stored->size()));
    image.bytes += *stored;
  }
  AppendLengthWord(image.bytes, 0);
  return image;
}

}  // namespace zentrova
