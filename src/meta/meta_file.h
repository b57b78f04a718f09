#pragma once

#include <string>

#include "meta/html_split.h"
#include "program/program.h"

namespace zentrova {

// The TITLE element and the two META tags from the session; fills the empty META values with
// their defaults, which stay in the session.
std::string BuildMetaBlock(Program& program);

// page1.htm gives page1.BAK, page1.html gives page1.html.BAK.
std::string BackupFileName(const std::string& path);

// Where the copy goes: the source file's folder (as "&Browse" left it) + the new file's name.
std::string MetaTargetPath(const Program& program);

// Keeps an earlier copy as the backup and writes the new copy; false when it was not written.
bool WriteMetaFile(Program& program, const HtmlParts& parts);

}  // namespace zentrova
