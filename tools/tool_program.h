#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "program/program.h"

namespace zentrova::tool {

// A Program without windows for the subcommands: settings kept in memory, messages recorded
// (and printed on standard error) and answered OK or Yes, file dialogs cancelled, a clock
// fixed at the moment of creation, timers that never fire.
//
// Its AppFolder is a private temporary folder removed afterwards, so that opening a session
// (which empties LOG) or loading a database (which rewrites the manual page) never touches
// the folders of a program the user is running. A subcommand may replace any port.
class ToolProgram {
 public:
  ToolProgram();
  ~ToolProgram();
  ToolProgram(const ToolProgram&) = delete;
  ToolProgram& operator=(const ToolProgram&) = delete;

  // Loads the database as start-up does and opens a new session on it; false when the
  // database is missing or malformed.
  bool OpenDatabase(const std::string& path);
  // Opens a session as Session Batch does (not remembered); false when it is no session file.
  bool OpenSession(const std::string& path);
  // Both of the above after checking that both files can be read, saying on standard error
  // which file failed; the subcommand's exit code.
  int OpenDatabaseAndSession(const std::string& database, const std::string& session);

  // Texts of the message boxes shown so far.
  std::vector<std::string> Messages() const;
  // A subcommand that reports failures in its own words turns the echo off.
  void EchoMessages(bool echo);

  Program program;

 private:
  struct Platform;
  std::filesystem::path workFolder_;
  std::unique_ptr<Platform> platform_;
};

// kSuccess when every path names a readable file; otherwise says which and gives kFileError.
int RequireReadableFiles(const std::vector<std::string>& paths);

}  // namespace zentrova::tool
