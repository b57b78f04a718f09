#include "tool_program.h"

#include "tool_command.h"

#include <ctime>
#include <iostream>
#include <memory>
#include <random>

#include "engines/database_loader.h"
#include "ports/headless_ports.h"
#include "ports/platform_ports.h"
#include "program/default_folders.h"
#include "session/session_commands.h"
#include "session/session_file.h"

namespace zentrova::tool {

namespace {

// The clock stands still at the moment the subcommand started.
void SetToNow(FixedClock& clock) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  std::strftime(text, sizeof text, "%m-%d-%Y", &local);
  clock.date = text;
  std::strftime(text, sizeof text, "%H:%M:%S", &local);
  clock.time = text;
}

std::filesystem::path MakeWorkFolder() {
  std::random_device random;
  std::error_code error;
  const std::filesystem::path base = std::filesystem::temp_directory_path(error);
  // A name already taken is tried again. Without a folder of its own the program only loses
  // the files it would write there (the manual page, LOG pages), which nobody reads.
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::filesystem::path folder = base / ("zentrova-tool-" + std::to_string(random()));
    if (std::filesystem::create_directory(folder, error)) {
      return folder;
    }
  }
  return {};
}

}  // namespace

struct ToolProgram::Platform : HeadlessPorts {
  bool echo = true;
};

ToolProgram::ToolProgram()
    : workFolder_(MakeWorkFolder()), platform_(std::make_unique<Platform>()) {
  program.folders = DefaultFolders();
  std::error_code error;
  program.folders.appFolder =
      (workFolder_.empty() ? std::filesystem::temp_directory_path(error) / "zentrova-tool"
                           : workFolder_)
          .string() +
      "/";
  MakeWorkingFolders(program);
  SetToNow(platform_->clock);
  // Nobody is there to answer: the default button is taken and no file is ever chosen.
  platform_->dialogs.onMessage = [platform = platform_.get()](const std::string& text) {
    if (platform->echo) {
      std::cerr << "zentrova-tool: message: " << text << '\n';
    }
  };
  program.ports = PlatformPorts(*platform_, nullptr, [] {});
}

ToolProgram::~ToolProgram() {
  if (!workFolder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(workFolder_, ignored);
  }
}

bool ToolProgram::OpenDatabase(const std::string& path) {
  if (!OpenSubmissionDatabase(program, path)) {
    return false;
  }
  NewSession(program);
  return true;
}

bool ToolProgram::OpenSession(const std::string& path) {
  return ReadSession(program, path, false) != SessionRead::NotSession;
}

void ToolProgram::EchoMessages(bool echo) {
  platform_->echo = echo;
}

std::vector<std::string> ToolProgram::Messages() const {
  std::vector<std::string> texts;
  for (const ShownMessage& message : platform_->dialogs.messages) {
    texts.push_back(message.text);
  }
  return texts;
}

int ToolProgram::OpenDatabaseAndSession(const std::string& database, const std::string& session) {
  if (const int code = RequireReadableFiles({database, session}); code != kSuccess) {
    return code;
  }
  if (!OpenDatabase(database)) {
    return Fail(kFileError, "cannot load the submission database " + database);
  }
  if (!OpenSession(session)) {
    return Fail(kFileError, "cannot recognize the session file " + session);
  }
  return kSuccess;
}

int RequireReadableFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
      return Fail(kFileError, "cannot read " + path);
    }
  }
  return kSuccess;
}

}  // namespace zentrova::tool
