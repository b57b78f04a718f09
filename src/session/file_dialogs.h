#pragma once

#include <string>
#include <vector>

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

enum FileDialogKind : int {
  kHtmlFiles = 1,
  kSessionFiles = 2,
  kEngineListFiles = 10,
  kAnyFiles = 11
};

std::string ValidSuggestion(const std::string& name);
// Full path, or empty when cancelled; sets LastOpenedFileName on success.
std::string OpenFileDialog(Program& program, int kind, const std::string& suggestion);
// Tells the user why a file they asked for was not written; true when it was.
bool WrittenOrTold(Program& program, const std::string& path, const FileOutcome& outcome);

// True when nothing is at `path` or the user agrees to replace it.
bool ConfirmReplace(Program& program, const std::string& path);
// Full path ending in "." + extension (letter case ignored), or empty when cancelled; asks
// before replacing an existing file.
std::string SaveFileDialog(Program& program, const std::string& suggestion,
                           const std::string& extension);

// What the two dialogs show, decided here so that the platform only has to show it.
FileDialogRequest OpenFileRequest(const Program& program, int kind, const std::string& suggestion);
std::vector<FileType> SaveFileTypes(const std::string& extension);

}  // namespace zentrova
