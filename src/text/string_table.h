#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "program/program.h"
#include "text/scrambled_text.h"

namespace zentrova {

inline constexpr int kServiceStatusUrlFirstHalf = 23;
inline constexpr int kServiceStatusUrlSecondHalf = 25;
// The compiled string table in the installation's data folder.
inline constexpr char kStringTableFileName[] = "strings.tbl";
// The program's texts take a few kilobytes; a table near this size is refused unread.
inline constexpr std::size_t kMaxStringTableFileBytes = 16 * 1024 * 1024;

std::string NormaliseUrl(const std::string& text);

// Reads a string table file into stored (scrambled) texts by id; nothing when malformed.
std::optional<std::map<int, std::string>> ReadStringTableFile(const std::string& path);
bool WriteStringTableFile(const std::string& path, const std::map<int, std::string>& stored);
// Fills program.text.stringTable from the data folder's table; false (and an empty table,
// so every text reads empty) when it is missing or malformed.
bool LoadStringTable(Program& program);

// The restored text of an entry; empty when the table has no such id.
std::string LoadText(const Program& program, int id);
std::string ServiceStatusUrl(const Program& program);

}  // namespace zentrova
