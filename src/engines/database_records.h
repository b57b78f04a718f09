#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

// Layout of the database file: an opaque header, then records, each a 16-bit length word
// (the text's length plus kRecordLengthOffset) and the scrambled text; a zero word ends it.
inline constexpr size_t kDatabaseHeaderSize = 626;
inline constexpr int kRecordLengthOffset = 17890;
inline constexpr size_t kMaxRecordText = 32767 - kRecordLengthOffset;

struct DatabaseReadError {
  size_t offset = 0;  // where in the file the damage starts
  std::string message;
};

// The restored texts of a database file's records in file order, or where it is damaged.
struct DatabaseRecords {
  std::vector<std::string> records;
  std::optional<DatabaseReadError> error;
};

DatabaseRecords ReadDatabaseRecords(std::string_view fileBytes);

// Hands each record's restored text to `visit` in file order, restoring the bytes where they
// lie; a text is valid only during its call. Stops at the damage, or when `visit` returns false.
std::optional<DatabaseReadError> VisitDatabaseRecords(
    std::string fileBytes, const std::function<bool(std::string_view)>& visit);

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
