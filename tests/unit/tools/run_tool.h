#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/test_program.h"

namespace zentrova::testing {

// What one run of the built companion tool left behind.
struct ToolRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs the built tool with its standard output and error kept in `folder`.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder) {
  const std::string outPath = (folder / "stdout").string();
  const std::string errPath = (folder / "stderr").string();
  std::string line = ZENTROVA_TOOL_PATH;
  for (const auto& arg : args) {
    line += " '" + arg + "'";
  }
  line += " >'" + outPath + "' 2>'" + errPath + "'";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFileBytes(outPath),
          ReadFileBytes(errPath)};
}

}  // namespace zentrova::testing
