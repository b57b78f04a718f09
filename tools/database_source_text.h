#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova::tool {

// The value syntax shared by the readable sources of the database and the string table. A
// value is bare text, with the blanks around it dropped, or a quoted string that keeps every
// byte: "…" with \" \\ \t \r \n and \xHH escapes.

// One source line that is not blank and not a comment, split into its first word and the
// rest (blanks around the rest removed).
struct SourceLine {
  int number = 0;
  std::string keyword;
  std::string rest;
};

// Splits a source file into lines, dropping blank lines and lines whose first non-blank
// character is "#"; a carriage return before a line feed is not part of the line.
std::vector<SourceLine> SplitSourceLines(std::string_view source);

// Reads one value; false with `error` set when a quoted string is malformed.
bool ReadSourceValue(std::string_view text, std::string& value, std::string& error);
// Reads "LEFT = RIGHT"; LEFT may be quoted and then may contain "=".
bool ReadSourcePair(std::string_view text, std::string& left, std::string& right,
                    std::string& error);

// The value as it must be written so that reading it gives it back exactly.
std::string FormatSourceValue(const std::string& value);
// The same for the left side of a pair, which must also quote an "=".
std::string FormatSourcePairLeft(const std::string& value);

}  // namespace zentrova::tool
