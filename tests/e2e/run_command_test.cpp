#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
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
  EXPECT_EQ(DeclaredPageText(ReadFileBytes(app + "LOG/IndexNow 403.htm")), "Key not valid");

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

// A session on a database of the given source, with every engine queued and the profile set.
std::string WriteRunSession(const std::string& app, const QString& home, const std::string& source,
                            const std::map<int, std::string>& profile) {
  WriteFileBytes(app + "engines.source", source);
  const QString appFolder = QString::fromStdString(app);
  ToolResult compiled = RunTool({"db", "compile", QString::fromStdString(app + "engines.source"),
                                 "-o", QString::fromStdString(app + "kelvox.dll")},
                                home, appFolder);
  EXPECT_EQ(compiled.exitCode, 0) << compiled.errors.toStdString();
  const std::string session = app + "run.ses";
  tool::ToolProgram maker;
  EXPECT_TRUE(maker.OpenDatabase(app + "kelvox.dll"));
  Program& program = maker.program;
  for (const auto& [slot, value] : profile) {
    program.session.profile[slot] = value;
    program.session.editor.boxText[slot] = value;
  }
  SortedList& list = program.engineLists.engineList;
  for (int row = 0; row < list.Count(); ++row) {
    list.SetMarked(row, true);
  }
  WriteSession(program, session, false);
  return session;
}

TEST(RunCommandTest, IndexNowEnginesReportTheirAnswerAndTheAddressesSent) {
  FakeEngineServer server;
  QTemporaryDir home;
  const std::string app = home.filePath("app").toStdString() + "/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(app)));
  std::string source;
  for (const char* status : {"202", "429"}) {
    source += std::string("engine IndexNow ") + status + "\n  success " + server.Url("/") +
              "\n  action " + server.Url(std::string("/indexnow/") + status) +
              "\n  method GET\n  kind search engine\n  protocol indexnow\n"
              "  field url = %001\nend\n";
  }
  const std::string page = server.Url("/pages/home.htm");
  const std::string session = WriteRunSession(
      app, home.path(), source, {{kPageAddress, page}, {kIndexNowKey, "abcdefgh-1234"}});
  const QString appFolder = QString::fromStdString(app);
  const QString pageText = QString::fromStdString(page);

  // Without the key file nothing goes to the engines, and nobody is asked.
  ToolResult run =
      RunTool({"run", QString::fromStdString(session), "--timeout", "5"}, home.path(), appFolder);
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QString notSent = "\tfailed\t-\tNot sent: the key file check failed (" +
                          QString::fromStdString(server.Url("/abcdefgh-1234.txt")) +
                          "): the key file was not found (HTTP 404)\t0 addresses";
  EXPECT_EQ(
      run.output.split('\n', Qt::SkipEmptyParts),
      (QStringList{"IndexNow 202\t" + pageText + notSent, "IndexNow 429\t" + pageText + notSent}));
  ASSERT_EQ(server.Requests().size(), 1u);

  // The run emptied the queue: the session is written afresh.
  WriteRunSession(app, home.path(), source,
                  {{kPageAddress, page}, {kIndexNowKey, "abcdefgh-1234"}});
  server.rootFiles["abcdefgh-1234.txt"] = "abcdefgh-1234";
  run = RunTool({"run", QString::fromStdString(session), "--timeout", "5"}, home.path(), appFolder);
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  EXPECT_EQ(run.output.split('\n', Qt::SkipEmptyParts),
            (QStringList{"IndexNow 202\t" + pageText +
                             "\tsuccessful\t202\tAccepted: the addresses were received; key not "
                             "yet verified\t1 addresses",
                         "IndexNow 429\t" + pageText +
                             "\tfailed\t429\tToo Many Requests: submitting too often; try "
                             "again later\t1 addresses"}));
}

TEST(RunCommandTest, IndexNowCommandMakesKeysAndChecksTheSessionsKeyFile) {
  FakeEngineServer server;
  QTemporaryDir home;
  const std::string app = home.filePath("app").toStdString() + "/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(app)));
  const QString appFolder = QString::fromStdString(app);

  const ToolResult key = RunTool({"indexnow", "key"}, home.path(), appFolder);
  EXPECT_EQ(key.exitCode, 0);
  EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}\n$").match(key.output).hasMatch())
      << key.output.toStdString();

  const std::string session = WriteRunSession(
      app, home.path(), "",
      {{kPageAddress, server.Url("/pages/home.htm")}, {kIndexNowKey, "abcdefgh-1234"}});
  const QString address = QString::fromStdString(server.Url("/abcdefgh-1234.txt"));
  ToolResult check =
      RunTool({"indexnow", "check", QString::fromStdString(session)}, home.path(), appFolder);
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_EQ(check.output, address + "\tthe key file was not found (HTTP 404)\n");

  server.rootFiles["abcdefgh-1234.txt"] = "abcdefgh-1234\n";
  check = RunTool({"indexnow", "check", QString::fromStdString(session)}, home.path(), appFolder);
  EXPECT_EQ(check.exitCode, 0) << check.errors.toStdString();
  EXPECT_EQ(check.output, address + "\tfound\n");

  for (const QStringList& bad : {QStringList{"indexnow"}, QStringList{"indexnow", "check"},
                                 QStringList{"indexnow", "key", "more"}}) {
    EXPECT_EQ(RunTool(bad, home.path(), appFolder).exitCode, 2) << bad.join(' ').toStdString();
  }
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
