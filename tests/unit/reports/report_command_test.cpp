#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/session_file_builder.h"
#include "support/test_program.h"
#include "tools/run_tool.h"

namespace zentrova {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

// `zentrova-tool report` and `zentrova-tool meta`, run as the built program on a session in
// which Alpha succeeded and Beta was never submitted.
class ReportAndMetaCommandTest : public ::testing::Test {
 protected:
  ReportAndMetaCommandTest() {
    WriteFileBytes(File("db.src"),
                   "engine Beta\n success ok\n action https://b.example/\n method POST\n"
                   " kind directory\n field url = %001\nend\n"
                   "engine Alpha\n success ok\n action https://a.example/\n method GET\n"
                   " kind search engine\n field url = %001\nend\n");
    EXPECT_EQ(Run({"db", "compile", File("db.src"), "-o", File("db.dll")}), 0) << err;
    testing::SessionFileContent session;
    session.profile = {{1, "http://site.example"}, {2, "Site Title"}, {12, "Site text"},
                       {77, "Page \"One\""},       {78, "About"},     {79, "tea"},
                       {86, "session.htm"}};
    session.engines = {{"Alpha", 0, 1, "10:00:00", "10:00:05", "12-10-2026"}};
    session.queue = {"Beta", "Alpha"};
    WriteFileBytes(File("site.ses"), testing::SessionFileBytes(session));
    WriteFileBytes(File("page.html"), "<html><HEAD><title>Old</title></HEAD><BODY>x</BODY>");
  }

  std::string File(const std::string& name) const { return (test.root / name).string(); }

  int Run(const std::vector<std::string>& args) {
    const testing::ToolRun run = testing::RunTool(args, test.root);
    out = run.out;
    err = run.err;
    return run.exitCode;
  }

  testing::TestProgram test;
  std::string out;
  std::string err;
};

TEST_F(ReportAndMetaCommandTest, ReportCountsTheSessionsResults) {
  ASSERT_EQ(Run({"report", File("site.ses"), "--db", File("db.dll"), "--text"}), 0) << err;
  EXPECT_NE(out.find("\r\nSuccessful Registration:\r\n\r\nAlpha\r\n\r\n\r\n"
                     " Total number of Registration sites: 2\r\n\r\n"
                     " Successful Registration: 1\r\n\r\n Failed Registration: 0\r\n"),
            std::string::npos)
      << out;

  ASSERT_EQ(Run({"report", File("site.ses"), "--db", File("db.dll"), "-o", File("r.htm")}), 0);
  EXPECT_EQ(out, "");
  EXPECT_EQ(
      ReadFileBytes(File("r.htm")).rfind("<meta charset=\"utf-8\">\r\n<html><body>\r\n<H2>", 0),
      0u);

  const struct {
    std::vector<std::string> args;
    int code;
  } failures[] = {
      {{"report", File("site.ses")}, 2},
      {{"report", File("site.ses"), "--db", File("db.dll"), "--text", "--html"}, 2},
      {{"report", File("missing.ses"), "--db", File("db.dll")}, 1},
      {{"report", File("page.html"), "--db", File("db.dll")}, 1},
  };
  for (const auto& c : failures) {
    EXPECT_EQ(Run(c.args), c.code) << c.args.back();
    EXPECT_EQ(out, "");
    EXPECT_NE(err, "");
  }
}

// The session holds Windows-1252; what the tool writes must read as the program's saved report
// does in any Linux editor or browser.
TEST_F(ReportAndMetaCommandTest, ReportIsUtf8AndItsHtmlSaysSo) {
  testing::SessionFileContent session;
  session.profile = {{1, "http://caf\xE9.example"}, {2, "Caf\xE9 Z\xFCrich"}};
  WriteFileBytes(File("caf\xC3\xA9.ses"), testing::SessionFileBytes(session));
  const struct {
    const char* choice;
    const char* start;
  } formats[] = {{"--text", "=== Web Page"}, {"--html", "<meta charset=\"utf-8\">\r\n<html>"}};
  for (const auto& format : formats) {
    SCOPED_TRACE(format.choice);
    ASSERT_EQ(Run({"report", File("caf\xC3\xA9.ses"), "--db", File("db.dll"), format.choice}), 0)
        << err;
    EXPECT_EQ(out.rfind(format.start, 0), 0u) << out.substr(0, 40);
    EXPECT_NE(out.find("Caf\xC3\xA9 Z\xC3\xBCrich"), std::string::npos);
    EXPECT_EQ(out.find("Caf\xE9"), std::string::npos);
  }
}

TEST_F(ReportAndMetaCommandTest, MetaWritesTheCopyAndPrintsTheMessage) {
  ASSERT_EQ(Run({"meta", File("site.ses"), File("page.html")}), 0) << err;
  EXPECT_EQ(out, "New file was generated\n");
  EXPECT_EQ(ReadFileBytes(File("session.htm")),
            "<html><HEAD>\r\n\r\n<title>Page \"One\"</title>\r\n"
            "<META Name=\"KEYWORDS\" Content=\"tea\">\r\n"
            "<META Name=\"DESCRIPTION\" Content=\"About\">\r\n\r\n"
            "</HEAD><BODY>\r\nx</BODY>\r\n");

  ASSERT_EQ(Run({"meta", File("site.ses"), File("page.html"), "--new-file", "x.htm"}), 0);
  EXPECT_TRUE(std::filesystem::exists(File("x.htm")));

  WriteFileBytes(File("nohead.htm"), "<html><body>x</body></html>");
  EXPECT_EQ(Run({"meta", File("site.ses"), File("nohead.htm")}), 1);
  EXPECT_NE(err.find("No <HEAD> tag"), std::string::npos) << err;
  EXPECT_EQ(Run({"meta", File("site.ses")}), 2);
}

}  // namespace
}  // namespace zentrova
