#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "session_test_support.h"
#include "submission/keyword_text.h"
#include "support/test_program.h"
#include "tools/run_tool.h"

namespace zentrova {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// `zentrova-tool session export`, run as the built program.
class SessionCommandTest : public ::testing::Test {
 protected:
  SessionCommandTest() {
    WriteFileBytes(File("db.src"),
                   "engine Beta\n success ok\n action https://b.example/\n method POST\n"
                   " kind directory\n field url = %001\nend\n"
                   "engine Alpha\n success ok\n action https://a.example/\n method GET\n"
                   " kind search engine\n field url = %001\nend\n");
    EXPECT_EQ(Run({"db", "compile", File("db.src"), "-o", File("db.dll")}), 0) << err;
  }

  std::string File(const std::string& name) const { return (test.root / name).string(); }

  int Run(const std::vector<std::string>& args) {
    const testing::ToolRun run = testing::RunTool(args, test.root);
    out = run.out;
    err = run.err;
    return run.exitCode;
  }

  static std::string SessionBytes() {
    testing::SessionFileContent session;
    session.profile = {{1, "http://site.example"}, {10, "stale name"}, {24, "Ann"},     {25, "Lee"},
                       {26, "seo tools"},          {83, "1"},          {86, "meta.htm"}};
    session.engines = {{"Alpha", 0, 1, "10:00:00", "10:00:05", "12-10-2026"}};
    session.links = {"http://site.example/deep"};
    session.queue = {"Beta", "Alpha"};
    return testing::SessionFileBytes(session);
  }

  testing::TestProgram test;
  std::string out;
  std::string err;
};

TEST_F(SessionCommandTest, ExportsWhatTheProgramWouldAfterOpeningTheSession) {
  WriteFileBytes(File("site.ses"), SessionBytes());

  ASSERT_EQ(Run({"session", "export", File("site.ses"), "--db", File("db.dll")}), 0) << err;

  std::string expected = " 998 \r\n";
  for (int slot = 1; slot <= 999; ++slot) {
    std::string text;
    switch (slot) {
      case 1:
        text = "http://site.example";
        break;
      case 10:
        text = "Ann Lee";
        break;
      case 24:
        text = "Ann";
        break;
      case 25:
        text = "Lee";
        break;
      case 26:
        text = "seo tools";
        break;
      case 36:
        text = BuildKeywordText(80, "seo tools", "", "", "", "", "");
        break;
      case 83:
        text = "1";
        break;
      case 86:
        text = "meta.htm";
        break;
      default:
        break;
    }
    expected += text + "\r\n";
  }
  expected +=
      " 2 \r\n"
      "Beta\r\n 0 \r\n 0 \r\n00:00:00\r\n00:00:00\r\n\r\n"
      "Alpha\r\n 0 \r\n 1 \r\n10:00:00\r\n10:00:05\r\n12-10-2026\r\n"
      " 1 \r\nhttp://site.example/deep\r\n"
      " 2 \r\nAlpha\r\nBeta\r\n";
  EXPECT_EQ(out, expected);
  EXPECT_EQ(err, "");

  ASSERT_EQ(
      Run({"session", "export", "-o", File("site.txt"), File("site.ses"), "--db", File("db.dll")}),
      0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(ReadFileBytes(File("site.txt")), expected);
}

TEST_F(SessionCommandTest, FailuresExitWithTheirCodeAndOneLine) {
  WriteFileBytes(File("site.ses"), SessionBytes());
  WriteFileBytes(File("not.ses"), "not a session");
  const struct {
    std::vector<std::string> args;
    int code;
  } cases[] = {
      {{"session"}, 2},
      {{"session", "import", File("site.ses"), "--db", File("db.dll")}, 2},
      {{"session", "export", File("site.ses")}, 2},
      {{"session", "export", File("site.ses"), "--db", File("db.dll"), "--extra"}, 2},
      {{"session", "export", File("missing.ses"), "--db", File("db.dll")}, 1},
      {{"session", "export", File("site.ses"), "--db", File("missing.dll")}, 1},
      {{"session", "export", File("not.ses"), "--db", File("db.dll")}, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << c.args.back();
    EXPECT_EQ(out, "");
    EXPECT_NE(err.find("zentrova-tool: "), std::string::npos) << err;
  }
  EXPECT_FALSE(std::filesystem::exists(File("missing.ses")));
}

}  // namespace
}  // namespace zentrova
