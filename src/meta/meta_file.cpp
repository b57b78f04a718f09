#include "meta/meta_file.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "program/replace_file.h"

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

std::string MetaTargetPath(const Program& program) {
  const std::string& source = program.session.profile[kMetaSourceFile];
  const size_t nameLength = program.session.profile[kLastOpenedFileName].size();
  const std::string folder =
      nameLength <= source.size() ? source.substr(0, source.size() - nameLength) : "";
  return folder + program.session.profile[kMetaNewFile];
}

bool WriteMetaFile(Program& program, const HtmlParts& parts) {
  const std::string target = MetaTargetPath(program);
  const std::string backup = BackupFileName(target);
  std::error_code error;
  std::filesystem::remove(backup, error);
  if (std::filesystem::exists(target, error)) {
    std::filesystem::rename(target, backup, error);
  }
  const std::string copy = parts.headStart + kCrLf + parts.headRest + kCrLf +
                           BuildMetaBlock(program) + kCrLf + parts.headEnd + kCrLf +
                           parts.bodyRest + kCrLf;
  return ReplaceFileBytes(target, copy);
}

}  // namespace zentrova
