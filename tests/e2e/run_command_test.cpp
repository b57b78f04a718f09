#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <map>
#include <string>

#include "event_wait.h"
#include "fake_engine_server.h"
#include "session/session_file.h"
#include "support/test_program.h"
#include "tool_process.h"
#include "tool_program.h"

namespace zentrova::testing {
namespace {

constexpr char kPage[] = "http://www.example.com/caf\xE9.html";

TEST(RunCommandTest, SubmitsTheQueueHeadlessAndWritesTheResultsIntoTheSession) {
  FakeEngineServer server;
  QTemporaryDir home;
  const QString appFolder = home.filePath("app");
  ASSERT_TRUE(QDir().mkpath(appFolder));
  const std::string app = appFolder.toStdString() + "/";
  std::string closedHost;
  {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    closedHost = "http://127.0.0.1:" + std::to_string(probe.serverPort()) + "/";
  }

  WriteFileBytes(app + "engines.source",
                 "engine Omega Silent\n  success Thank you\n  action " + server.Url("/never") +
                     "\n  method POST\n  kind directory\n  field site = %001\nend\n"
                     "engine Alpha Echo\n  success Thank you\n  action " +
                     server.Url("/echo") +
                     "\n  method POST\n  kind directory\n  field url = %001\n"
                     "  field title = %002\nend\n"
                     "engine IndexNow 403\n  success " +
                     server.Url("/") + "\n  action " + server.Url("/indexnow/403") +
                     "\n  method GET\n  kind search engine\n  field url = %001\nend\n"
                     "engine Closed Port\n  success " +
                     closedHost + "\n  action " + closedHost +
                     "add\n  method POST\n  kind directory\n  field site = %001\nend\n"
                     "engine Unqueued\n  success Thank you\n  action " +
                     server.Url("/echo") +
                     "\n  method POST\n  kind directory\n  field site = %001\nend\n");
  ToolResult compiled = RunTool({"db", "compile", QString::fromStdString(app + "engines.source"),
                                 "-o", QString::fromStdString(app + "kelvox.dll")},
                                home.path(), appFolder);
  ASSERT_EQ(compiled.exitCode, 0) << compiled.errors.toStdString();

  const std::string session = app + "run.ses";
  {
    tool::ToolProgram maker;
    ASSERT_TRUE(maker.OpenDatabase(app + "kelvox.dll"));
    Program& program = maker.program;
    for (auto* profile : {&program.session.profile, &program.session.editor.boxText}) {
      (*profile)[kPageAddress] = kPage;
      (*profile)[kSiteTitle] = "Tom & Jerry's \"Best\"";
    }
    SortedList& list = program.engineLists.engineList;
    for (int row = 0; row < list.Count(); ++row) {
      list.SetMarked(row, list.Row(row).text != "Unqueued");
    }
    WriteSession(program, session, false);
  }

  const ToolResult run =
      RunTool({"run", QString::fromStdString(session), "--timeout", "2"}, home.path(), appFolder);

  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QString page = QString::fromUtf8("http://www.example.com/café.html");
  EXPECT_EQ(run.output.split('\n', Qt::SkipEmptyParts),
            (QStringList{"Alpha Echo\t" + page + "\tsuccessful\t200",
                         "Closed Port\t" + page + "\tfailed\t-\tnet::ERR_CONNECTION_REFUSED",
                         "IndexNow 403\t" + page + "\tfailed\t403",
                         "Omega Silent\t" + page + "\ttimed out\t-"}));
  ASSERT_EQ(server.Requests().size(), 3u);
  EXPECT_EQ(server.Requests()[0].fields, (std::vector<std::pair<QString, QString>>{
                                             {"url", page}, {"title", "Tom & Jerry's \"Best\""}}));
  EXPECT_EQ(ReadFileBytes(app + "LOG/IndexNow 403.htm"), "Key not valid");

  tool::ToolProgram reader;
  ASSERT_TRUE(reader.OpenDatabase(app + "kelvox.dll"));
  ASSERT_TRUE(reader.OpenSession(session));
  std::map<std::string, int> results;
  const SubmissionDatabase& database = reader.program.database;
  for (int slot = 1; slot <= database.EngineCount(); ++slot) {
    results[database.Engine(slot).name] = database.Engine(slot).RegistrationStatus();
  }
  EXPECT_EQ(results, (std::map<std::string, int>{{"Alpha Echo", kSuccessful},
                                                 {"Closed Port", kFailed},
                                                 {"IndexNow 403", kFailed},
                                                 {"Omega Silent", kFailed},
                                                 {"Unqueued", kNotSubmitted}}));
  EXPECT_EQ(reader.program.engineLists.engineList.MarkedCount(), 0);
}

TEST(RunCommandTest, RefusesBadArgumentsBeforeStartingTheBrowser) {
  QTemporaryDir home;
  const QString session = home.filePath("there.ses");
  QFile file(session);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  const std::vector<std::pair<QStringList, int>> cases = {
      {{}, 2},
      {{session, "--timeout", "0"}, 2},
      {{session, "--timeout", "ten"}, 2},
      {{session, "--timeout"}, 2},
      {{session, "--colour"}, 2},
      {{session, session}, 2},
      {{home.filePath("missing.ses")}, 1},
  };
  for (const auto& [arguments, exitCode] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ToolResult result = RunTool(QStringList{"run"} + arguments, home.path(), home.path());
    EXPECT_EQ(result.exitCode, exitCode);
    EXPECT_TRUE(result.output.isEmpty());
    EXPECT_FALSE(result.errors.isEmpty());
  }
}

}  // namespace
}  // namespace zentrova::testing
