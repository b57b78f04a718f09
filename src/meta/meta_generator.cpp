#include "meta/meta_generator.h"

#include <cstring>

#include "meta/html_split.h"
#include "meta/meta_file.h"
#include "program/busy_cursor.h"
#include "session/file_dialogs.h"
#include "session/session_model.h"
#include "text/ascii_case.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

constexpr size_t kNameLetters = 7;
// Characters that cannot stand in the short name of the generated file.
constexpr char kSkippedCharacters[] = "~!@#$%^&*()_+-=|\\{}[]:;'<>?/,` \"";

constexpr char kNameLeavesFolder[] =
    "The new file's name must name a file in the source file's folder: it cannot hold \"/\" or "
    "\"..\"";

// The session keeps the source's path in its code page; a name beyond it would name another file.
constexpr char kPathNotKept[] =
    "The session cannot keep the name of this file; please rename it or choose another:\n";

bool IsBlank(const std::string& text) {
  return text.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

std::string MakeNewFileName(Program& program, int n) {
  std::string name;
  for (const char c : program.session.profile[kLastOpenedFileName]) {
    if (name.size() >= kNameLetters || c == '.') {
      break;
    }
    if (c != '\0' && std::strchr(kSkippedCharacters, c) == nullptr) {
      name += c;
    }
  }
  name += std::to_string(n) + ".htm";
  return AsciiLowercase(name);
}

void BrowseMetaSource(Program& program) {
  const std::string path = OpenFileDialog(
      program, kHtmlFiles, Utf8FromWindows1252(program.session.editor.boxText[kMetaSourceFile]));
  if (path.empty()) {
    return;
  }
  const CodePageText kept = Windows1252FromUtf8(path);
  if (kept.unmappable > 0) {
    program.ports.dialogs->ShowMessage(kPathNotKept + PathText(path), MessageButtons::Ok,
                                       MessageIcon::Exclamation, kAppTitle);
    return;
  }
  SetBoxText(program, kMetaSourceFile, kept.bytes);
  SetBoxText(program, kMetaNewFile, MakeNewFileName(program, 1));
}

bool GenerateMetaTags(Program& program) {
  CollectSession(program);
  ProfileValues& profile = program.session.profile;
  if (profile[kMetaSourceFile].empty()) {
    program.ports.dialogs->ShowMessage("No HTM file in field", MessageButtons::Ok,
                                       MessageIcon::Exclamation, kAppTitle);
    return false;
  }
  SetBusyCursor(program, true);
  if (IsBlank(profile[kMetaNewFile])) {
    profile[kMetaNewFile] = MakeNewFileName(program, 1);
  }
  bool written = false;
  HtmlParts parts;
  if (!StaysInFolder(profile[kMetaNewFile])) {
    program.ports.dialogs->ShowMessage(kNameLeavesFolder, MessageButtons::Ok,
                                       MessageIcon::Exclamation, kAppTitle);
  } else if (SplitHtmlFile(program, MetaSourcePath(program), parts)) {
    const FileOutcome outcome = WriteMetaFile(program, parts);
    written = WrittenOrTold(program, MetaTargetPath(program), outcome);
    if (written) {
      program.ports.dialogs->ShowMessage("New file was generated", MessageButtons::Ok,
                                         MessageIcon::Exclamation, kAppTitle);
    }
  }
  ShowSession(program);
  SetBusyCursor(program, false);
  return written;
}

}  // namespace zentrova
