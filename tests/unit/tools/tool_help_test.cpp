#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/manual.h"
#include "run_tool.h"
#include "support/test_program.h"
#include "tool_command.h"

namespace zentrova::testing {
namespace {

class ToolHelpTest : public ::testing::Test {
 protected:
  TestProgram scratch;
  std::filesystem::path folder = scratch.program.folders.appFolder;
};

TEST_F(ToolHelpTest, HelpAndVersionAnswerOnStandardOutputAndBadUseOnStandardError) {
  struct Case {
    std::vector<std::string> args;
    int code;
    std::string out;  // a part of standard output; empty: nothing may be printed there
    std::string err;
  };
  const Case cases[] = {
      {{"--version"}, tool::kSuccess, "zentrova-tool " ZENTROVA_VERSION "\n", ""},
      {{"-v"}, tool::kSuccess, "zentrova-tool " ZENTROVA_VERSION "\n", ""},
      {{"--help"}, tool::kSuccess, "\nCommands:\n  run SESSION", ""},
      {{"help", "db"}, tool::kSuccess, "Usage: zentrova-tool db compile SOURCE -o FILE\n", ""},
      {{"report", "--help"}, tool::kSuccess, "\n  --text  ", ""},
      {{"session", "export", "--help"}, tool::kSuccess, "Usage: zentrova-tool session export", ""},
      {{"db", "compile", "-h"}, tool::kSuccess, "Usage: zentrova-tool db compile SOURCE", ""},
      {{"strings", "dump", "--help"}, tool::kSuccess, "Usage: zentrova-tool strings compile", ""},
      {{"session", "import", "--help"}, tool::kUsageError, "", "usage: zentrova-tool session"},
      {{}, tool::kUsageError, "", "Usage: zentrova-tool COMMAND"},
      {{"frobnicate"}, tool::kUsageError, "", "unknown command 'frobnicate'"},
      {{"help", "frobnicate"}, tool::kUsageError, "", "unknown command 'frobnicate'"},
  };
  for (const Case& c : cases) {
    const ToolRun run = RunTool(c.args, folder);
    SCOPED_TRACE(c.args.empty() ? "(nothing)" : c.args[0]);
    EXPECT_EQ(run.exitCode, c.code);
    if (c.out.empty()) {
      EXPECT_EQ(run.out, "");
    } else {
      EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
    }
    if (c.err.empty()) {
      EXPECT_EQ(run.err, "");
    } else {
      EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
  }
}

// Output that cannot be written is a failure even where the command printed it without a check.
TEST_F(ToolHelpTest, AFullStandardOutputIsAFailure) {
  const std::vector<std::string> commands[] = {
      {"--help"}, {"help", "db"}, {"keywords", "20", "a", "b", "c", "d", "e", "f"}};
  for (const auto& args : commands) {
    std::string line = ZENTROVA_TOOL_PATH;
    for (const auto& arg : args) {
      line += " '" + arg + "'";
    }
    const std::string errPath = (folder / "stderr").string();
    const int status = std::system((line + " >/dev/full 2>'" + errPath + "'").c_str());
    SCOPED_TRACE(args[0]);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, tool::kFileError);
    EXPECT_EQ(ReadFileBytes(errPath), "zentrova-tool: cannot write to standard output\n");
  }
}

// Each documented command is one the tool runs: its help comes from the tool, not the
// unknown-command message.
TEST_F(ToolHelpTest, EveryDocumentedCommandAnswersItsOwnHelp) {
  for (const cli::ManualCommand& command : cli::ToolManual().commands) {
#ifndef ZENTROVA_BROWSER_COMMANDS
    if (command.name == "run" || command.name == "capture" || command.name == "indexnow") {
      continue;
    }
#endif
    const ToolRun run = RunTool({command.name, "--help"}, folder);
    EXPECT_EQ(run.exitCode, tool::kSuccess) << command.name << ": " << run.err;
    EXPECT_NE(run.out.find("Usage: zentrova-tool " + command.forms[0] + "\n"), std::string::npos)
        << run.out;
  }
}

}  // namespace
}  // namespace zentrova::testing
