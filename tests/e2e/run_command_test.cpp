#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <map>
#include <set>
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

// A session whose queue holds four engines of a compiled database: one that thanks, one whose
// port is closed, one that refuses with 403, one that never answers; a fifth engine stays out
// of the queue.
struct RunFixture {
  FakeEngineServer server;
  QTemporaryDir home;
  QString appFolder;
  std::string app;
  std::string session;

  RunFixture() {
    appFolder = home.filePath("app");
    EXPECT_TRUE(QDir().mkpath(appFolder));
    app = appFolder.toStdString() + "/";
    std::string closedHost;
    {
      QTcpServer probe;
      EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
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
    EXPECT_EQ(compiled.exitCode, 0) << compiled.errors.toStdString();

    session = app + "run.ses";
    {
      tool::ToolProgram maker;
      EXPECT_TRUE(maker.OpenDatabase(app + "kelvox.dll"));
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
  }

  ToolResult Run(const QStringList& options) {
    return RunTool(QStringList{"run", QString::fromStdString(session), "--timeout", "2"} + options,
                   home.path(), appFolder);
  }
};

TEST(RunCommandTest, SubmitsTheQueueHeadlessAndWritesTheResultsIntoTheSession) {
  RunFixture fixture;
  const std::string& app = fixture.app;
  FakeEngineServer& server = fixture.server;
  const ToolResult run = fixture.Run({});

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
  EXPECT_EQ(KeptReplyText(ReadFileBytes(app + "LOG/IndexNow 403.htm")), "Key not valid");

  tool::ToolProgram reader;
  ASSERT_TRUE(reader.OpenDatabase(app + "kelvox.dll"));
  ASSERT_TRUE(reader.OpenSession(fixture.session));
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
// Every engine of the source queued; those named in `succeeded` hold a successful result.
std::string WriteRunSession(const std::string& app, const QString& home, const std::string& source,
                            const std::map<int, std::string>& profile,
                            const std::set<std::string>& succeeded = {}) {
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
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    if (succeeded.count(program.database.Engine(slot).name) > 0) {
      program.database.Engine(slot).RegistrationStatus() = kSuccessful;
    }
  }
  WriteSession(program, session, false);
  return session;
}

// The source of an IndexNow engine that the fake server answers with HTTP `status`.
std::string IndexNowEngineSource(const std::string& name, const FakeEngineServer& server,
                                 const std::string& status) {
  return "engine " + name + "\n  success " + server.Url("/") + "\n  action " +
         server.Url("/indexnow/" + status) +
         "\n  method GET\n  kind search engine\n  protocol indexnow\n  field url = %001\nend\n";
}

TEST(RunCommandTest, IndexNowEnginesReportTheirAnswerAndTheAddressesSent) {
  FakeEngineServer server;
  QTemporaryDir home;
  const std::string app = home.filePath("app").toStdString() + "/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(app)));
  std::string source;
  for (const std::string status : {"202", "429"}) {
    source += IndexNowEngineSource("IndexNow " + status, server, status);
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

QList<QJsonObject> JsonLines(const QString& output) {
  QList<QJsonObject> objects;
  for (const QString& line : output.split('\n', Qt::SkipEmptyParts)) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
    EXPECT_TRUE(document.isObject()) << line.toStdString();
    objects.push_back(document.object());
  }
  return objects;
}

// Scripts read what the session now holds: the same verdicts and times from run --json as
// from report --json afterwards, a time-out as the failure the session records.
TEST(RunCommandTest, JsonLinesAreTrueToTheSession) {
  RunFixture fixture;
  const ToolResult run = fixture.Run({"--json"});
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  const QList<QJsonObject> submissions = JsonLines(run.output);
  ASSERT_EQ(submissions.size(), 4);

  const QString page = QString::fromUtf8("http://www.example.com/café.html");
  struct Expected {
    QString engine;
    QString verdict;
    QJsonValue httpStatus;
    QString reason;
  };
  const Expected expected[] = {
      {"Alpha Echo", "successful", 200, "the reply matched the success marker"},
      {"Closed Port", "failed", QJsonValue::Null, "no reply: net::ERR_CONNECTION_REFUSED"},
      {"IndexNow 403", "failed", 403, "the engine refused it with HTTP status 403"},
      {"Omega Silent", "failed", QJsonValue::Null, "no reply within 2 seconds"},
  };
  const QRegularExpression isoTime("^\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}$");
  for (int i = 0; i < 4; ++i) {
    const QJsonObject& object = submissions[i];
    SCOPED_TRACE(expected[i].engine.toStdString());
    EXPECT_EQ(object.keys(), (QStringList{"address", "engine", "finished", "http_status", "reason",
                                          "started", "verdict"}));
    EXPECT_EQ(object["engine"].toString(), expected[i].engine);
    EXPECT_EQ(object["address"].toString(), page);
    EXPECT_EQ(object["verdict"].toString(), expected[i].verdict);
    EXPECT_EQ(object["http_status"], expected[i].httpStatus);
    EXPECT_EQ(object["reason"].toString(), expected[i].reason);
    EXPECT_TRUE(isoTime.match(object["started"].toString()).hasMatch())
        << object["started"].toString().toStdString();
    EXPECT_LE(object["started"].toString(), object["finished"].toString());
  }

  const ToolResult report = RunTool({"report", QString::fromStdString(fixture.session), "--db",
                                     QString::fromStdString(fixture.app + "kelvox.dll"), "--json"},
                                    fixture.home.path(), fixture.appFolder);
  ASSERT_EQ(report.exitCode, 0) << report.errors.toStdString();
  const QList<QJsonObject> results = JsonLines(report.output);
  // In the database's order; the engine left out of the queue has no result.
  ASSERT_EQ(results.size(), 4);
  const int runIndexOf[] = {3, 0, 2, 1};
  for (int i = 0; i < 4; ++i) {
    const QJsonObject& submitted = submissions[runIndexOf[i]];
    SCOPED_TRACE(submitted["engine"].toString().toStdString());
    for (const char* key : {"engine", "address", "verdict", "started", "finished"}) {
      EXPECT_EQ(results[i][key], submitted[key]) << key;
    }
    EXPECT_TRUE(results[i]["http_status"].isNull());
    EXPECT_TRUE(results[i]["reason"].isNull());
  }
}

// At a terminal the lines come under a progress line redrawn in place; in a pipe (the test
// above) only the lines come.
TEST(RunCommandTest, ShowsProgressOnATerminal) {
  RunFixture fixture;
  const ToolResult run =
      RunToolOnTerminal({"run", QString::fromStdString(fixture.session), "--timeout", "2"},
                        fixture.home.path(), fixture.appFolder, 60);
  ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
  const QString clear = QStringLiteral("\r\x1b[K");
  const QString page =
      QRegularExpression::escape(QString::fromUtf8("http://www.example.com/café.html"));
  const QString elapsed = "\\d+:\\d\\d";
  for (const QString& part : {
           "engine 1 of 4  " + elapsed + "  0 successful  0 failed  Alpha Echo",
           "Alpha Echo\t" + page + "\tsuccessful\t200\r\n",
           "engine 2 of 4  " + elapsed + "  1 successful  0 failed  Closed Port",
           "engine 4 of 4  " + elapsed + "  1 successful  2 failed  Omega Silent",
           "Omega Silent\t" + page + "\ttimed out\t-\r\n",
       }) {
    const QRegularExpression drawn(QRegularExpression::escape(clear) + part);
    EXPECT_TRUE(drawn.match(run.output).hasMatch()) << part.toStdString() << "\nin:\n"
                                                    << run.output.toStdString();
  }
  EXPECT_TRUE(run.output.endsWith(clear)) << "the progress line is gone at the end";
  // 60 columns: no progress line reaches the last one, where a terminal would wrap.
  for (const QString& drawn : run.output.split(QRegularExpression("\\r\\x1b\\[K|\\r\\n"))) {
    if (drawn.startsWith("engine ")) {
      EXPECT_LE(drawn.size(), 59) << drawn.toStdString();
    }
  }
}

TEST(RunCommandTest, ALogFolderThatCannotBeMadeStopsTheRunBeforeAnySubmission) {
  RunFixture fixture;
  WriteFileBytes(fixture.app + "LOG", "a file where the folder belongs");
  const std::string session = ReadFileBytes(fixture.session);
  const ToolResult run = fixture.Run({});
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_TRUE(run.output.isEmpty());
  EXPECT_TRUE(
      run.errors.contains(QString::fromStdString("cannot make the folder " + fixture.app + "LOG/")))
      << run.errors.toStdString();
  EXPECT_TRUE(fixture.server.Requests().empty());
  EXPECT_EQ(ReadFileBytes(fixture.session), session);
}

// IndexNow engines are engines of the run like the others; an engine the Do Not Repeat box
// leaves out is none.
TEST(RunCommandTest, ProgressCountsEveryEngineTheRunSubmitsTo) {
  FakeEngineServer server;
  QTemporaryDir home;
  const std::string app = home.filePath("app").toStdString() + "/";
  ASSERT_TRUE(QDir().mkpath(QString::fromStdString(app)));
  std::string source;
  for (const char* name : {"Done Before", "Plain Echo"}) {
    source += std::string("engine ") + name + "\n  success Thank you\n  action " +
              server.Url("/echo") + "\n  method POST\n  kind directory\n  field url = %001\nend\n";
  }
  for (const char* name : {"IndexNow A", "IndexNow B"}) {
    source += IndexNowEngineSource(name, server, "200");
  }
  const std::string session = WriteRunSession(
      app, home.path(), source,
      {{kPageAddress, server.Url("/pages/home.htm")}, {kIndexNowKey, "abcdefgh-1234"}},
      {"Done Before"});
  const ToolResult run =
      RunToolOnTerminal({"run", QString::fromStdString(session), "--timeout", "5"}, home.path(),
                        QString::fromStdString(app), 100);
  ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
  // The terminal carries standard error too: the browser's own notices may follow a name.
  const QRegularExpression progress(
      "^engine (\\d+ of \\d+) .* failed  (Done Before|IndexNow A|IndexNow B|Plain Echo)");
  QStringList counted;
  for (const QString& drawn : run.output.split(QRegularExpression("\\r\\x1b\\[K|\\r\\n"))) {
    if (const QRegularExpressionMatch engine = progress.match(drawn); engine.hasMatch()) {
      counted << engine.captured(1) + " " + engine.captured(2);
    }
  }
  counted.removeDuplicates();
  EXPECT_EQ(counted.join(", ").toStdString(),
            "1 of 3 IndexNow A, 2 of 3 IndexNow B, 3 of 3 Plain Echo")
      << run.output.toStdString();
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
      {{session, "--json", "--json"}, 2},
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
