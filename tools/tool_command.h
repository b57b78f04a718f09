#pragma once

#include <string>
#include <vector>

namespace zentrova::tool {

// Exit codes of every subcommand.
inline constexpr int kSuccess = 0;
inline constexpr int kFileError = 1;  // a file that cannot be read or is malformed
inline constexpr int kUsageError = 2;

// One subcommand: `zentrova-tool NAME ARGS…`. `run` gets the arguments after NAME.
struct ToolCommand {
  const char* name;
  int (*run)(const std::vector<std::string>& args);
};

// Prints "zentrova-tool: " + message on standard error and returns `code`.
int Fail(int code, const std::string& message);
// A fault at a line of a file the user wrote: "FILE:LINE: message", a file error.
int FailAtLine(const std::string& path, int line, const std::string& message);

// The "usage:" lines of the command called `name`, from the tool's manual.
std::string UsageOf(const std::string& name);

}  // namespace zentrova::tool
