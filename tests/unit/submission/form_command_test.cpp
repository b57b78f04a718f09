#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <variant>
#include <vector>

#include "database_source.h"
#include "engines/database_records.h"
#include "submission/keyword_text.h"
#include "support/session_file_builder.h"
#include "support/test_program.h"
#include "tool_command.h"
#include "tools/run_tool.h"

namespace zentrova::testing {
namespace {

constexpr char kDatabaseSource[] =
    "engine Alpha\n success Thank you\n action http://alpha.test/add?x=1\n method GET\n"
    " kind search engine\n field url = %001\n field title = %002\n field kw = %036\nend\n"
    "page <html>\n";

class FormCommandTest : public ::testing::Test {
 protected:
  FormCommandTest() {
    const auto compiled = tool::CompileDatabaseSource(kDatabaseSource);
    const auto* database = std::get_if<tool::CompiledDatabase>(&compiled);
    EXPECT_NE(database, nullptr);
    if (database != nullptr) {
      WriteFileBytes(databasePath, BuildDatabaseFile(database->records).bytes);
    }
    SessionFileContent session;
    session.profile = {{1, "http://my.site/?a=1&b=2"},
                       {2, "Say \"hi\""},
                       {26, "red"},
                       {27, "blue"},
                       {36, "stale keyword text"}};
    session.engines = UnsubmittedEngines({"Alpha"});
    session.links = {"http://my.site/one", "http://my.site/two"};
    session.queue = {"Alpha"};
    WriteFileBytes(sessionPath, SessionFileBytes(session));
  }

  // Runs the built tool; its standard output is kept for the test to look at.
  int Run(std::vector<std::string> args) {
    args.insert(args.begin(), "form");
    const testing::ToolRun run = testing::RunTool(args, test.root);
    out = run.out;
    return run.exitCode;
  }

  std::string Page(const std::string& address) const {
    return "<HTML><BODY>\n<FORM METHOD=GET Action=\"http://alpha.test/add?x=1\" >"
           "<input type=text name=\"url\" value=\"" +
           address +
           "\"><input type=text name=\"title\" value=\"Say &quot;hi&quot;\">"
           "<input type=text name=\"kw\" value=\"" +
           BuildKeywordText(80, "red", "blue", "", "", "", "") +
           "\"><input type=submit value=Register>Alpha</FORM>\n</BODY></HTML>\n";
  }

  TestProgram test;
  std::string databasePath = (test.root / "db.dll").string();
  std::string sessionPath = test.AppPath("SESSIONS/site.ses");
  std::string out;
};

TEST_F(FormCommandTest, PrintsThePageARunWritesWithTheCollectedProfile) {
  ASSERT_EQ(Run({sessionPath, "Alpha", "--db", databasePath}), tool::kSuccess);
  EXPECT_EQ(out, Page("http://my.site/?a=1&amp;b=2"));
  ASSERT_EQ(Run({sessionPath, "Alpha", "--db", databasePath, "--deep", "2"}), tool::kSuccess);
  EXPECT_EQ(out, Page("http://my.site/two"));
}

TEST_F(FormCommandTest, RefusesWhatARunCouldNotSubmit) {
  struct Case {
    std::vector<std::string> args;
    int code;
  };
  const Case cases[] = {
      {{sessionPath, "Alpha"}, tool::kUsageError},
      {{sessionPath, "alpha", "--db", databasePath}, tool::kUsageError},
      {{sessionPath, "Alpha", "--db", databasePath, "--deep", "3"}, tool::kUsageError},
      {{sessionPath, "Alpha", "--db", databasePath, "--deep", "-1"}, tool::kUsageError},
      {{sessionPath, "Alpha", "--db", databasePath, "--deep"}, tool::kUsageError},
      {{test.AppPath("missing.ses"), "Alpha", "--db", databasePath}, tool::kFileError},
      {{sessionPath, "Alpha", "--db", test.AppPath("missing.dll")}, tool::kFileError},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(c.args), c.code) << ::testing::PrintToString(c.args);
    EXPECT_EQ(out, "");
  }
}

// The database and the session hold Windows-1252; the command line and the terminal are UTF-8.
TEST_F(FormCommandTest, TakesAndPrintsNamesAsTheTerminalWritesThem) {
  const auto compiled = tool::CompileDatabaseSource(
      "engine Caf\xE9 Annuaire\n success merci\n action http://caf\xE9.test/\n method POST\n"
      " kind directory\n field t = %002\nend\n");
  ASSERT_NE(std::get_if<tool::CompiledDatabase>(&compiled), nullptr);
  WriteFileBytes(databasePath,
                 BuildDatabaseFile(std::get<tool::CompiledDatabase>(compiled).records).bytes);
  SessionFileContent session;
  session.profile = {{1, "http://my.site/"}, {2, "Th\xE9 vert"}};
  WriteFileBytes(sessionPath, SessionFileBytes(session));

  ASSERT_EQ(Run({sessionPath, "Caf\xC3\xA9 Annuaire", "--db", databasePath}), tool::kSuccess);
  EXPECT_NE(out.find("value=\"Th\xC3\xA9 vert\""), std::string::npos) << out;
  EXPECT_NE(out.find("Caf\xC3\xA9 Annuaire</FORM>"), std::string::npos) << out;
  EXPECT_EQ(out.find('\xE9'), std::string::npos) << out;
  EXPECT_EQ(Run({sessionPath, "Caf\xE9 Annuaire", "--db", databasePath}), tool::kUsageError);
}

}  // namespace
}  // namespace zentrova::testing
