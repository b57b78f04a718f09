#include "program/default_folders.h"

#include <cstdlib>
#include <filesystem>
#include <string>

namespace zentrova {

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

std::string WithSlash(std::string folder) {
  if (folder.empty() || folder.back() != '/') {
    folder += '/';
  }
  return folder;
}

std::string UserDataFolder() {
  if (std::string home = Environment("ZENTROVA_HOME"); !home.empty()) {
    return WithSlash(home);
  }
  if (std::string xdg = Environment("XDG_DATA_HOME"); !xdg.empty()) {
    return WithSlash(xdg) + "zentrova/";
  }
  return WithSlash(Environment("HOME")) + ".local/share/zentrova/";
}

// The build tree and an installation both keep executables in bin/ and the data in
// share/zentrova/ beside it, so one rule finds the data from either.
std::string InstalledDataFolder() {
  if (std::string data = Environment("ZENTROVA_DATA"); !data.empty()) {
    return WithSlash(data);
  }
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) {
    return "share/zentrova/";
  }
  const std::filesystem::path data =
      (executable.parent_path() / ".." / "share" / "zentrova").lexically_normal();
  return WithSlash(data.string());
}

}  // namespace

Folders DefaultFolders() {
  Folders folders;
  folders.appFolder = UserDataFolder();
  folders.dataFolder = InstalledDataFolder();
  return folders;
}

void MakeWorkingFolders(Program& program) {
  std::error_code ignored;
  std::filesystem::create_directories(program.folders.appFolder, ignored);
  std::filesystem::create_directory(program.folders.LogFolder(), ignored);
  std::filesystem::create_directory(program.folders.SessionsFolder(), ignored);
}

}  // namespace zentrova
