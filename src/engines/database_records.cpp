#include "engines/database_records.h"

#include <algorithm>
#include <cstdint>

#include "text/string_table.h"

namespace zentrova {

namespace {

constexpr char kHeaderText[] = "Zentrova submission database";

int LengthWordAt(const std::string& bytes, size_t offset) {
  const auto low = static_cast<unsigned char>(bytes[offset]);
  const auto high = static_cast<unsigned char>(bytes[offset + 1]);
  return static_cast<int16_t>(static_cast<uint16_t>(low | (high << 8)));
}

void AppendLengthWord(std::string& bytes, int word) {
  bytes.push_back(static_cast<char>(word & 0xFF));
  bytes.push_back(static_cast<char>((word >> 8) & 0xFF));
}

}  // namespace

std::optional<DatabaseReadError> VisitDatabaseRecords(
    std::string fileBytes, const std::function<bool(std::string_view)>& visit) {
  if (fileBytes.size() < kDatabaseHeaderSize) {
    return DatabaseReadError{fileBytes.size(), "file is shorter than its header"};
  }
  // A header of nothing but zero bytes is what an emptied or never-written file leaves.
  const auto headerEnd = fileBytes.begin() + kDatabaseHeaderSize;
  if (std::all_of(fileBytes.begin(), headerEnd, [](char c) { return c == '\0'; })) {
    return DatabaseReadError{0, "header is empty"};
  }
  size_t offset = kDatabaseHeaderSize;
  while (offset < fileBytes.size()) {
    if (fileBytes.size() - offset < 2) {
      return DatabaseReadError{offset, "length word cut off by the end of the file"};
    }
    const int word = LengthWordAt(fileBytes, offset);
    if (word == 0) {
      break;
    }
    if (word < kRecordLengthOffset) {
      return DatabaseReadError{offset, "invalid record length word " + std::to_string(word)};
    }
    const size_t length = static_cast<size_t>(word - kRecordLengthOffset);
    if (fileBytes.size() - offset - 2 < length) {
      return DatabaseReadError{offset, "record cut off by the end of the file"};
    }
    char* text = fileBytes.data() + offset + 2;
    RestoreTextInPlace(text, length);
    if (!visit(std::string_view(text, length))) {
      break;
    }
    offset += 2 + length;
  }
  return std::nullopt;
}

DatabaseRecords ReadDatabaseRecords(std::string_view fileBytes) {
  DatabaseRecords result;
  result.error = VisitDatabaseRecords(std::string(fileBytes), [&result](std::string_view record) {
    result.records.emplace_back(record);
    return true;
  });
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
