#include "session/file_dialogs.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "session/file_name_rules.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

constexpr char kAllFilesDescription[] = "All files (*.*)";
constexpr char kAllFilesPattern[] = "*.*";
constexpr char kReplaceTitle[] = "Save As";

std::vector<FileType> OpenFileTypes(int kind) {
  switch (kind) {
    case kHtmlFiles:
      return {{"HTML files (*.htm;*.html)", "*.htm;*.html"},
              {kAllFilesDescription, kAllFilesPattern}};
    case kEngineListFiles:
      return {{"Search Engine lists (*.sel)", "*.sel"}, {kAllFilesDescription, kAllFilesPattern}};
    case kAnyFiles:
      return {{kAllFilesDescription, kAllFilesPattern}};
    default:
      return {{"Session files (*.ses)", "*.ses"},
              {"Spider files (*.wps)", "*.wps"},
              {kAllFilesDescription, kAllFilesPattern}};
  }
}

// The platform hands names back as C strings; anything after a NUL is not part of the name.
std::string UpToNul(const std::string& name) {
  return name.substr(0, name.find('\0'));
}

}  // namespace

std::string ValidSuggestion(const std::string& name) {
  const bool short_name = name.size() <= 3;
  const bool has_separator = name.find_first_of(":\\/") != std::string::npos;
  // A colon is only at home as a drive letter's, at the second position.
  const bool late_colon = name.size() > 3 && name.find(':', 3) != std::string::npos;
  if ((has_separator && short_name) || (late_colon && !short_name)) {
    return {};
  }
  return name;
}

std::vector<FileType> SaveFileTypes(const std::string& extension) {
  const std::string description =
      extension == "sel" ? "Search Engline lists (*." : "Session files (*.";
  return {{description + extension + ")", "*." + extension},
          {kAllFilesDescription, kAllFilesPattern}};
}

FileDialogRequest OpenFileRequest(const Program& program, int kind, const std::string& suggestion) {
  FileDialogRequest request;
  request.types = OpenFileTypes(kind);
  request.startFolder =
      kind == kHtmlFiles ? program.folders.appFolder : program.folders.SessionsFolder();
  request.fileName = ValidSuggestion(suggestion);
  request.mustExist = true;
  return request;
}

std::string OpenFileDialog(Program& program, int kind, const std::string& suggestion) {
  const std::string path =
      UpToNul(program.ports.dialogs->AskOpenFileName(OpenFileRequest(program, kind, suggestion)));
  if (path.empty()) {
    return {};
  }
  program.session.profile[kLastOpenedFileName] = PathText(FileNamePart(path));
  return path;
}

bool WrittenOrTold(Program& program, const std::string& path, const FileOutcome& outcome) {
  if (!outcome) {
    program.ports.dialogs->ShowMessage(WriteFailureMessage(path, outcome), MessageButtons::Ok,
                                       MessageIcon::Exclamation, kAppTitle);
  }
  return outcome.done;
}

bool ConfirmReplace(Program& program, const std::string& path) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    return true;
  }
  const MessageAnswer answer = program.ports.dialogs->ShowMessage(
      PathText(path) + "\nThis file already exist.\n\nReplace existing file?",
      MessageButtons::YesNo, MessageIcon::Exclamation, kReplaceTitle);
  return answer == MessageAnswer::Yes;
}

std::string SaveFileDialog(Program& program, const std::string& suggestion,
                           const std::string& extension) {
  FileDialogRequest request;
  request.types = SaveFileTypes(extension);
  request.fileName = ValidSuggestion(suggestion);
  // A bare name (a new session's, a report's) would land wherever the program was started.
  if (FileNamePart(request.fileName) == request.fileName) {
    request.startFolder = program.folders.SessionsFolder();
  }
  for (;;) {
    const std::string typed = UpToNul(program.ports.dialogs->AskSaveFileName(request));
    if (typed.empty()) {
      return {};
    }
    const std::string name = SavedFileName(typed, extension);
    if (ConfirmReplace(program, name)) {
      return name;
    }
    request.fileName = name;
  }
}

}  // namespace zentrova
