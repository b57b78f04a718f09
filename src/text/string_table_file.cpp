#include <cstdint>
#include "program/read_file.h"
#include "program/replace_file.h"
#include "text/string_table.h"

namespace zentrova {

namespace {

// "ZSTB", a format version, an entry count, then per entry its id, its length and its
// stored bytes; every number is 16-bit little-endian and ids strictly increase.
constexpr char kSignature[] = "ZSTB";
constexpr size_t kSignatureSize = 4;
constexpr unsigned kFormatVersion = 1;
constexpr unsigned kLargestNumber = 0xFFFF;

class ByteReader {
 public:
  explicit ByteReader(const std::string& bytes) : bytes_(bytes) {}

  std::optional<unsigned> Number() {
    if (bytes_.size() - position_ < 2) {
      return std::nullopt;
    }
    const auto low = static_cast<unsigned char>(bytes_[position_]);
    const auto high = static_cast<unsigned char>(bytes_[position_ + 1]);
    position_ += 2;
    return low | (high << 8);
  }
  std::optional<std::string> Bytes(size_t count) {
    if (bytes_.size() - position_ < count) {
      return std::nullopt;
    }
    std::string text = bytes_.substr(position_, count);
    position_ += count;
    return text;
  }
  bool AtEnd() const { return position_ == bytes_.size(); }

 private:
  const std::string& bytes_;
  size_t position_ = 0;
};

void AppendNumber(std::string& bytes, unsigned number) {
  bytes.push_back(static_cast<char>(number & 0xFF));
  bytes.push_back(static_cast<char>((number >> 8) & 0xFF));
}

std::optional<std::map<int, std::string>> ParseStringTable(const std::string& bytes) {
  ByteReader reader(bytes);
  const auto signature = reader.Bytes(kSignatureSize);
  const auto version = reader.Number();
  const auto count = reader.Number();
  if (!signature || *signature != kSignature || version != kFormatVersion || !count) {
    return std::nullopt;
  }
  std::map<int, std::string> table;
  int previousId = -1;
  for (unsigned i = 0; i < *count; ++i) {
    const auto id = reader.Number();
    const auto length = reader.Number();
    if (!id || !length || static_cast<int>(*id) <= previousId) {
      return std::nullopt;
    }
    auto text = reader.Bytes(*length);
    if (!text) {
      return std::nullopt;
    }
    previousId = static_cast<int>(*id);
    table.emplace(previousId, std::move(*text));
  }
  if (!reader.AtEnd()) {
    return std::nullopt;
  }
  return table;
}

}  // namespace

std::optional<std::map<int, std::string>> ReadStringTableFile(const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxStringTableFileBytes);
  if (!file) {
    return std::nullopt;
  }
  return ParseStringTable(file.bytes);
}

bool WriteStringTableFile(const std::string& path, const std::map<int, std::string>& stored) {
  if (stored.size() > kLargestNumber) {
    return false;
  }
  std::string bytes = kSignature;
  AppendNumber(bytes, kFormatVersion);
  AppendNumber(bytes, static_cast<unsigned>(stored.size()));
  for (const auto& [id, text] : stored) {
    if (id < 0 || static_cast<unsigned>(id) > kLargestNumber || text.size() > kLargestNumber) {
      return false;
    }
    AppendNumber(bytes, static_cast<unsigned>(id));
    AppendNumber(bytes, static_cast<unsigned>(text.size()));
    bytes += text;
  }
  return ReplaceFileBytes(path, bytes).done;
}

bool LoadStringTable(Program& program) {
  auto table = ReadStringTableFile(program.folders.dataFolder + kStringTableFileName);
  program.text.stringTable = table ? std::move(*table) : std::map<int, std::string>();
  return table.has_value();
}

}  // namespace zentrova
