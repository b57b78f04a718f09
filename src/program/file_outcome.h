#pragma once

#include <string>

namespace zentrova {

// What became of reading or writing a file: done, or not done with the system's reason
// ("Permission denied", "No space left on device"). The caller decides what the user is told.
struct FileOutcome {
  bool done = true;
  std::string reason;

  explicit operator bool() const { return done; }

  static FileOutcome Done() { return {}; }
  static FileOutcome Failed(std::string why) { return {false, std::move(why)}; }
  // The reason of the C library's error number.
  static FileOutcome FromErrno(int error);
};

// The message the program shows when a file the user asked for could not be written.
std::string WriteFailureMessage(const std::string& path, const FileOutcome& outcome);
// The same for a file the user asked to be read.
std::string ReadFailureMessage(const std::string& path, const FileOutcome& outcome);

}  // namespace zentrova
