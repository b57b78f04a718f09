#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace zentrova::tool {

// The readable source of a submission database (format in data/README.md) compiled into
// record texts, each with the source line it came from.
struct CompiledDatabase {
  std::vector<std::string> records;
  std::vector<int> lines;
};

struct SourceError {
  int line = 0;
  std::string message;
};

// Also checks what the program's loader would refuse (limits, unstorable characters), so a
// source that compiles always loads.
std::variant<CompiledDatabase, SourceError> CompileDatabaseSource(std::string_view source);

// Readable source whose compilation gives back exactly these record texts.
std::string DecompileDatabase(const std::vector<std::string>& records);

}  // namespace zentrova::tool
