#include "meta/meta_file.h"

#include <filesystem>
#include <system_error>

#include "program/read_file.h"
#include "program/replace_file.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

constexpr size_t kExtensionLength = 4;

void FillDefault(ProfileValues& profile, int slot, int defaultSlot) {
  if (profile[static_cast<size_t>(slot)].empty()) {
    profile[static_cast<size_t>(slot)] = profile[static_cast<size_t>(defaultSlot)];
  }
}

std::string MetaTag(const char* name, const std::string& content) {
  return std::string("<META Name=\"") + name + "\" Content=\"" + content + "\">" + kCrLf;
}

}  // namespace

std::string BuildMetaBlock(Program& program) {
  ProfileValues& profile = program.session.profile;
  FillDefault(profile, kMetaTitle, kSiteTitle);
  FillDefault(profile, kMetaDescription, kSiteDescription);
  FillDefault(profile, kMetaKeywords, kKeywordText);
  return "<title>" + profile[kMetaTitle] + "</title>" + kCrLf +
         MetaTag("KEYWORDS", profile[kMetaKeywords]) +
         MetaTag("DESCRIPTION", profile[kMetaDescription]);
}

std::string BackupFileName(const std::string& path) {
  const size_t split = path.size() > kExtensionLength ? path.size() - kExtensionLength : 0;
  const std::string ending = path.substr(split);
  const size_t dot = ending.find('.');
  if (dot == std::string::npos) {
    return path + ".BAK";
  }
  return path.substr(0, split) + ending.substr(0, dot + 1) + "BAK";
}

std::string MetaSourcePath(const Program& program) {
  return Utf8FromWindows1252(program.session.profile[kMetaSourceFile]);
}

std::string MetaTargetPath(const Program& program) {
  const std::filesystem::path source(MetaSourcePath(program));
  return (source.parent_path() / Utf8FromWindows1252(program.session.profile[kMetaNewFile]))
      .string();
}

bool StaysInFolder(const std::string& name) {
  return name.find('/') == std::string::npos && name.find("..") == std::string::npos;
}

FileOutcome WriteMetaFile(Program& program, const HtmlParts& parts) {
  const std::string target = MetaTargetPath(program);
  // The page's own META tags are gone, its charset declaration with them: a UTF-8 page
  // gets the declaration back along with its texts in UTF-8.
  const std::string block = parts.utf8 ? std::string(kUtf8Declaration) + kCrLf +
                                             Utf8FromWindows1252(BuildMetaBlock(program))
                                       : BuildMetaBlock(program);
  const std::string copy = parts.headStart + kCrLf + parts.headRest + kCrLf + block + kCrLf +
                           parts.headEnd + kCrLf + parts.bodyRest + kCrLf;
  PendingFile newCopy(target, copy);
  if (!newCopy.Prepared()) {
    return newCopy.Prepared();
  }
  std::error_code error;
  if (!std::filesystem::exists(target, error)) {
    return newCopy.Commit();
  }
  // The earlier copy's bytes go under the backup's name only after the new copy has replaced
  // them, so no failure on the way costs either file.
  const FileBytes earlier = ReadWholeFile(target, kMaxHtmlFileBytes);
  if (!earlier) {
    return earlier.outcome;
  }
  PendingFile backup(BackupFileName(target), earlier.bytes);
  if (!backup.Prepared()) {
    return backup.Prepared();
  }
  if (FileOutcome placed = newCopy.Commit(); !placed) {
    return placed;
  }
  return backup.Commit();
}

}  // namespace zentrova
