#include "strings_source.h"

#include <charconv>

#include "database_source_text.h"
#include "text/string_table.h"

namespace zentrova::tool {

namespace {

constexpr int kLargestId = 0xFFFF;

}  // namespace

std::variant<std::map<int, std::string>, SourceError> CompileStringsSource(
    std::string_view source) {
  std::map<int, std::string> stored;
  for (const SourceLine& line : SplitSourceLines(source)) {
    std::string idText;
    std::string text;
    std::string error;
    if (!ReadSourcePair(line.keyword + " " + line.rest, idText, text, error)) {
      return SourceError{line.number, error};
    }
    int id = -1;
    const auto [end, problem] = std::from_chars(idText.data(), idText.data() + idText.size(), id);
    if (problem != std::errc() || end != idText.data() + idText.size() || id < 0 ||
        id > kLargestId) {
      return SourceError{line.number, "the id must be a number from 0 to 65535"};
    }
    auto scrambled = ScrambleText(text);
    if (!scrambled) {
      return SourceError{line.number, "a character with code 0, 1 or 255 cannot be stored"};
    }
    if (scrambled->size() > kLargestId) {
      return SourceError{line.number, "text longer than 65535 characters"};
    }
    if (!stored.emplace(id, std::move(*scrambled)).second) {
      return SourceError{line.number, "id " + idText + " given twice"};
    }
  }
  return stored;
}

std::string DecompileStrings(const std::map<int, std::string>& stored) {
  std::string source;
  for (const auto& [id, text] : stored) {
    source += std::to_string(id) + " = " + FormatSourceValue(RestoreText(text)) + '\n';
  }
  return source;
}

}  // namespace zentrova::tool
