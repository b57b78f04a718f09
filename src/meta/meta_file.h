#pragma once

#include <string>

#include "meta/html_split.h"
#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

// The TITLE element and the two META tags from the session; fills the empty META values with
// their defaults, which stay in the session.
std::string BuildMetaBlock(Program& program);

// page1.htm gives page1.BAK, page1.html gives page1.html.BAK.
std::string BackupFileName(const std::string& path);

// The source page's path; the session keeps it in its code page.
std::string MetaSourcePath(const Program& program);
// Where the copy goes: the source file's own folder + the new file's name.
std::string MetaTargetPath(const Program& program);

// A new file's name that names a file of that folder: no folder part, no "..".
bool StaysInFolder(const std::string& name);

// Writes the new copy and, once it is in place, keeps the earlier copy as the backup. A
// failure leaves the earlier copy and its backup as they were.
FileOutcome WriteMetaFile(Program& program, const HtmlParts& parts);

}  // namespace zentrova
