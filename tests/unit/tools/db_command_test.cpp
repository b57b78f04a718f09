#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "engines/database_records.h"
#include "support/test_program.h"
#include "tool_command.h"
#include "tools/run_tool.h"

namespace zentrova::tool {
namespace {

using zentrova::testing::ReadFileBytes;
using zentrova::testing::TestProgram;
using zentrova::testing::WriteFileBytes;

class DbCommandTest : public ::testing::Test {
 protected:
  std::string File(const std::string& name) const { return (test.root / name).string(); }

  // Runs the built tool; its standard output and error are kept for the test to look at.
  int Run(const std::string& command, std::vector<std::string> args) {
    args.insert(args.begin(), command);
    const testing::ToolRun run = testing::RunTool(args, test.root);
    out = run.out;
    err = run.err;
    return run.exitCode;
  }

  TestProgram test;
  std::string out;
  std::string err;
};

TEST_F(DbCommandTest, CompileDumpAndDecompileAgree) {
  WriteFileBytes(File("db.src"),
                 "engine A\n success ok\n action https://a.example/\n method POST\n"
                 " kind directory\n field name = %002\nend\npage <html>\n");
  ASSERT_EQ(Run("db", {"compile", File("db.src"), "-o", File("db.dll")}), kSuccess) << err;

  ASSERT_EQ(Run("db", {"dump", File("db.dll")}), kSuccess) << err;
  EXPECT_EQ(out, "1name,%002\n2A,ok,FFhttps://a.example/,PD\n5<html>\n");

  ASSERT_EQ(Run("db", {"decompile", File("db.dll"), "-o", File("again.src")}), kSuccess);
  ASSERT_EQ(Run("db", {"compile", "-o", File("again.dll"), File("again.src")}), kSuccess);
  EXPECT_EQ(ReadFileBytes(File("again.dll")), ReadFileBytes(File("db.dll")));

  ASSERT_EQ(Run("db", {"decompile", File("db.dll")}), kSuccess);
  EXPECT_EQ(out, ReadFileBytes(File("again.src")));
  EXPECT_EQ(err, "");
}

TEST_F(DbCommandTest, FailuresSayWhyInOneLineWithTheirExitCode) {
  WriteFileBytes(File("bad.src"), "engine A\n\n  colour blue\n");
  WriteFileBytes(File("bad.dll"), std::string(626, 'H') + std::string("\x01\x00", 2));
  WriteFileBytes(File("bad.tbl"), "ZSTB");
  struct Case {
    std::string command;
    std::vector<std::string> args;
    int code;
    std::string message;
  };
  const Case cases[] = {
      {"db", {}, kUsageError, "usage: zentrova-tool db"},
      {"db",
       {"compile", File("bad.src"), "-o", File("a"), "-o", File("b")},
       kUsageError,
       "usage: zentrova-tool db"},
      {"db", {"frobnicate", File("x")}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"compile", File("bad.src")}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"compile", File("bad.src"), "-o"}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"dump", File("bad.dll"), "-o", File("x")}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"dump", File("a"), File("b")}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"dump", "--verbose", File("a")}, kUsageError, "usage: zentrova-tool db"},
      {"db", {"dump", File("missing.dll")}, kFileError, "cannot read"},
      {"db", {"dump", File("bad.dll")}, kFileError, "bad.dll: at byte 626: "},
      {"db", {"decompile", File("bad.dll")}, kFileError, "at byte 626"},
      {"db",
       {"compile", File("bad.src"), "-o", File("out.dll")},
       kFileError,
       "bad.src:3: unknown keyword 'colour'"},
      {"db", {"compile", File("missing.src"), "-o", File("out.dll")}, kFileError, "cannot read"},
      {"strings", {"compile", File("s.src")}, kUsageError, "usage: zentrova-tool strings"},
      {"strings", {"decompile", File("s.src")}, kUsageError, "usage: zentrova-tool strings"},
      {"strings", {"dump", File("bad.tbl")}, kFileError, "not a well-formed string table"},
      {"strings", {"dump", File("missing.tbl")}, kFileError, "cannot read"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.command, c.args), c.code) << err;
    EXPECT_NE(err.find(c.message), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << err;
    EXPECT_EQ(out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(File("out.dll")));
  EXPECT_FALSE(std::filesystem::exists(File("missing.dll")));
}

TEST_F(DbCommandTest, StringsCompileAndDump) {
  WriteFileBytes(File("s.src"), "25 = b\n23 = a\n");
  ASSERT_EQ(Run("strings", {"compile", File("s.src"), "-o", File("s.tbl")}), kSuccess);
  ASSERT_EQ(Run("strings", {"dump", File("s.tbl")}), kSuccess);
  EXPECT_EQ(out, "23 = a\n25 = b\n");
  WriteFileBytes(File("s.src"), "25 = b\n\n25 = a\n");
  EXPECT_EQ(Run("strings", {"compile", File("s.src"), "-o", File("s.tbl")}), kFileError);
  EXPECT_NE(err.find("s.src:3: id 25 given twice"), std::string::npos) << err;
}

}  // namespace
}  // namespace zentrova::tool
