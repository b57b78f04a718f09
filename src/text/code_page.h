#pragma once

#include <string>
#include <string_view>

namespace zentrova {

// Text the session holds, one Windows-1252 byte per character, as UTF-8, the encoding of the
// file system's names and of every file written for people to read.
std::string Utf8FromWindows1252(std::string_view bytes);

// UTF-8 (a file name, a page's text) as the session would hold it.
struct CodePageText {
  std::string bytes;
  // Characters the code page cannot hold, and bytes that are not UTF-8; each stands as "?".
  int unmappable = 0;
};
CodePageText Windows1252FromUtf8(std::string_view utf8);

// What a UTF-8 file may start with to say so; readers of outside text pass over it.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// Files written for people to read are UTF-8, and the HTML ones say so.
inline constexpr char kUtf8Declaration[] = "<meta charset=\"utf-8\">";
// A page of the program, built in the session's code page, as it is written: declared and
// converted. An empty page stays empty.
std::string Utf8HtmlPage(std::string_view html);

// A path as messages, captions and lists show it: the characters the code page cannot hold
// stand as "?", so the name stays recognisable.
std::string PathText(std::string_view path);

// True when the bytes are UTF-8 through and through; `nonAscii` tells whether any byte is
// above 127.
bool IsUtf8(std::string_view bytes, bool* nonAscii = nullptr);

}  // namespace zentrova
