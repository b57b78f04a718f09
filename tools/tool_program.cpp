#include "tool_program.h"

#include "tool_command.h"

#include <ctime>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <utility>

#include "engines/database_loader.h"
#include "program/default_folders.h"
#include "session/session_commands.h"
#include "session/session_file.h"

namespace zentrova::tool {

namespace {

class MemorySettings : public SettingsStore {
 public:
  std::string Get(const std::string& section, const std::string& key) const override {
    const auto it = values_.find({section, key});
    return it == values_.end() ? std::string() : it->second;
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) override {
    values_[{section, key}] = value;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

// Nobody is there to answer: the default button is taken and no file is ever chosen.
class RecordingDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon,
                            const std::string&) override {
    messages.push_back(text);
    if (echo) {
      std::cerr << "zentrova-tool: message: " << text << '\n';
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::string AskOpenFileName(const FileDialogRequest&) override { return {}; }
  std::string AskSaveFileName(const FileDialogRequest&) override { return {}; }

  std::vector<std::string> messages;
  bool echo = true;
};

class FixedClock : public Clock {
 public:
  FixedClock() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%m-%d-%Y", &local);
    date_ = text;
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    time_ = text;
  }
  std::string DateText() const override { return date_; }
  std::string TimeText() const override { return time_; }

 private:
  std::string date_;
  std::string time_;
};

class InertTimer : public Timer {
 public:
  void SetInterval(int milliseconds) override { interval_ = milliseconds; }
  int Interval() const override { return interval_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  bool Enabled() const override { return enabled_; }

 private:
  int interval_ = 0;
  bool enabled_ = false;
};

class NullClipboard : public Clipboard {
 public:
  void SetText(const std::string&) override {}
};

class NullShell : public Shell {
 public:
  void OpenAddress(const std::string&) override {}
};

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

struct ToolProgram::Platform {
  MemorySettings settings;
  RecordingDialogs dialogs;
  FixedClock clock;
  InertTimer replyTimer;
  InertTimer clockTimer;
  NullClipboard clipboard;
  NullShell shell;
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
  Ports& ports = program.ports;
  ports.dialogs = &platform_->dialogs;
  ports.settings = &platform_->settings;
  ports.clock = &platform_->clock;
  ports.replyTimer = &platform_->replyTimer;
  ports.clockTimer = &platform_->clockTimer;
  ports.clipboard = &platform_->clipboard;
  ports.shell = &platform_->shell;
  ports.exitProgram = [] {};
}

ToolProgram::~ToolProgram() {
  if (!workFolder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(workFolder_, ignored);
  }
}

bool ToolProgram::OpenDatabase(const std::string& path) {
  if (!LoadSubmissionDatabase(program, path)) {
    return false;
  }
  // As at the end of start-up: from here on the count is the number of engines.
  program.database.engineSlotCount -= 1;
  NewSession(program);
  return true;
}

bool ToolProgram::OpenSession(const std::string& path) {
  return ReadSession(program, path, false) != SessionRead::NotSession;
}

void ToolProgram::EchoMessages(bool echo) {
  platform_->dialogs.echo = echo;
}

const std::vector<std::string>& ToolProgram::Messages() const {
  return platform_->dialogs.messages;
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
