#pragma once

#include <map>
#include <string>
#include <string_view>
#include <variant>

#include "database_source.h"

namespace zentrova::tool {

// The readable source of the string table ("ID = TEXT" lines, format in data/README.md)
// compiled into stored (scrambled) texts by id.
std::variant<std::map<int, std::string>, SourceError> CompileStringsSource(std::string_view source);

// Readable source of a string table's stored texts, restored.
std::string DecompileStrings(const std::map<int, std::string>& stored);

}  // namespace zentrova::tool
