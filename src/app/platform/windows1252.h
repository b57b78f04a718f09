#pragma once

#include <string>

#include <QString>

namespace zentrova {

// Text as the core keeps it: one Windows-1252 byte per character.
struct Windows1252Text {
  std::string bytes;
  // Characters the code page cannot hold; each stands as "?" in bytes.
  int unmappable = 0;
};

QString DecodeWindows1252(const std::string& bytes);
Windows1252Text EncodeWindows1252(const QString& text);

}  // namespace zentrova
