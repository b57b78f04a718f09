#pragma once

#include <string>

#include <QString>

namespace zentrova {

// Paths travel between Qt and the core as the file system's own bytes, never through the
// session's code page: a name the code page cannot hold must still open its file.
QString DecodePath(const std::string& path);
std::string EncodePath(const QString& path);

}  // namespace zentrova
