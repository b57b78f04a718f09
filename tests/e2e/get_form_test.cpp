#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWebEnginePage>

#include "event_wait.h"
#include "fake_engine_server.h"
#include "page_script.h"
#include "session/session_file.h"
#include "support/test_program.h"
#include "tool_process.h"
#include "tool_program.h"
#include "ui/browser/browser_window.h"

namespace zentrova::testing {
namespace {

// Named and unnamed lists, an unnamed button, fields of several kinds, and a second form that
// must not be read.
constexpr char kListsPage[] =
    "<html><body>"
    "<form action='/echo?from=lists' method='POST'>"
    "<input type='hidden' name='lang' value='en'>"
    "<input name='url' value='http://mine.example/'>"
    "<select name='cat'><option value='arts'>Arts &amp; Culture</option>"
    "<option value='biz' selected>Business</option></select>"
    "<button type='button'>Preview</button>"
    "<select><option value='1'>One</option><option>Two</option></select>"
    "<textarea name='about'>Fine shoes</textarea>"
    "<input type='submit' value='Add'>"
    "</form>"
    "<form action='/second'><input name='other' value='no'><select name='s2'></select></form>"
    "</body></html>";

class GetFormTest : public ::testing::Test {
 protected:
  // Goes to the page as the user does: address box, "Navigate".
  void NavigateTo(const std::string& address) {
    LoadCounter loads(window.SubmissionBrowser().Page());
    window.AddressBox()->setText(QString::fromStdString(address));
    window.findChild<QPushButton*>("Navigate")->click();
    ASSERT_TRUE(loads.WaitFor(1));
  }
  std::string GetForm() {
    bool captured = false;
    auto connection =
        QObject::connect(&window, &BrowserWindow::FormCaptured, [&] { captured = true; });
    window.findChild<QPushButton*>("GetForm")->click();
    EXPECT_TRUE(window.ProfileBox()->toPlainText().isEmpty());
    EXPECT_TRUE(RunEventsUntil([&] { return captured; }, 10000));
    QObject::disconnect(connection);
    return window.FormText();
  }

  TestProgram files;
  FakeEngineServer server;
  BrowserWindow window{files.AppPath("LOG/")};
};

TEST_F(GetFormTest, DraftsTheFirstFormOfThePageOnShow) {
  server.pages["lists"] = kListsPage;
  const std::string page = server.Url("/pages/lists");
  NavigateTo(page);
  ASSERT_EQ(window.AddressBox()->text().toStdString(), page);

  const std::string expected =
      "name\r\nLL\r\n" + server.Url("/echo?from=lists") + "\r\nresponse\r\n" + page +
      "\r\npost\r\n4\r\n"
      "lang,en\r\nurl,http://mine.example/\r\ncat,biz%XXX\r\n%XXX\r\nabout,Fine shoes\r\n"
      "=====\r\nname\r\nXXX\r\narts[]Arts & Culture\r\nbiz[]Business\r\n"
      "=====\r\nname\r\nXXX\r\n1[]One\r\nTwo[]Two\r\n-\r\n";
  EXPECT_EQ(GetForm(), expected);
  // Shown in the box, line by line; and the same again when asked twice.
  EXPECT_EQ(window.ProfileBox()->toPlainText(),
            QString::fromStdString(expected).replace("\r\n", "\n"));
  EXPECT_EQ(GetForm(), expected);

  QTemporaryDir home;
  const ToolResult captured =
      RunTool({"capture", QString::fromStdString(page)}, home.path(), home.filePath("app"));
  EXPECT_EQ(captured.exitCode, 0) << captured.errors.toStdString();
  EXPECT_EQ(captured.output.toStdString(), expected);
}

TEST_F(GetFormTest, APageWithoutFormsGivesEmptyActionAndMethod) {
  server.pages["plain"] = "<html><body><p>No form here</p></body></html>";
  const std::string page = server.Url("/pages/plain");
  NavigateTo(page);
  const std::string expected = "name\r\nLL\r\n\r\nresponse\r\n" + page + "\r\n\r\n0\r\n-\r\n";
  EXPECT_EQ(GetForm(), expected);

  QTemporaryDir home;
  const ToolResult captured =
      RunTool({"capture", QString::fromStdString(page)}, home.path(), home.filePath("app"));
  EXPECT_EQ(captured.output.toStdString(), expected);
  const ToolResult source = RunTool({"capture", QString::fromStdString(page), "--source"},
                                    home.path(), home.filePath("app"));
  EXPECT_EQ(source.exitCode, 1);
  EXPECT_TRUE(source.output.isEmpty());
  EXPECT_TRUE(source.errors.contains("no form")) << source.errors.toStdString();
}

TEST(CaptureCommandTest, ReadsALocalFileAndRefusesWhatItCannotLoad) {
  QTemporaryDir home;
  const QString file = home.filePath("form.htm");
  WriteFileBytes(file.toStdString(),
                 "<html><body><form action='add.cgi' method='get'><input name='q' value='x'>"
                 "</form></body></html>");
  const std::string fileUrl = QUrl::fromLocalFile(file).toString().toStdString();
  const ToolResult local = RunTool({"capture", file}, home.path(), home.filePath("app"));
  EXPECT_EQ(local.exitCode, 0) << local.errors.toStdString();
  EXPECT_EQ(local.output.toStdString(),
            "name\r\nLL\r\n" +
                QUrl::fromLocalFile(home.filePath("add.cgi")).toString().toStdString() +
                "\r\nresponse\r\n" + fileUrl + "\r\nget\r\n1\r\nq,x\r\n-\r\n");

  FakeEngineServer server;
  const struct {
    QStringList arguments;
    int exitCode;
    QString says;  // a part of the error message; empty: any
  } cases[] = {
      {{}, 2, ""},
      {{file, file}, 2, ""},
      {{file, "--colour"}, 2, ""},
      {{file, "--source", "--source"}, 2, ""},
      {{QString::fromStdString(server.Url("/pages/missing"))}, 1, ""},
      {{QString::fromStdString(server.Url("/indexnow/403"))},
       1,
       "the server answered with HTTP status 403\n"},
      {{"http://127.0.0.1:1/"}, 1, ""},
      {{home.filePath("missing.htm")}, 1, "cannot read " + home.filePath("missing.htm") + "\n"},
      {{"./missing.htm"}, 1, "cannot read ./missing.htm\n"},
      {{home.path()}, 1, home.path() + " is a folder, not an HTML file\n"},
  };
  for (const auto& [arguments, exitCode, says] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ToolResult result =
        RunTool(QStringList{"capture"} + arguments, home.path(), home.filePath("app"));
    EXPECT_EQ(result.exitCode, exitCode);
    EXPECT_TRUE(result.output.isEmpty());
    EXPECT_FALSE(result.errors.isEmpty());
    EXPECT_TRUE(result.errors.contains(says)) << result.errors.toStdString();
  }
}

// The draft as a database source compiles as it stands; with its placeholders filled in, the
// engine it describes submits the served form with the session's values.
TEST(CaptureCommandTest, SourceOfAServedFormCompilesAndSubmitsThatForm) {
  FakeEngineServer server;
  server.pages["engine"] =
      "<html><body><form action='/echo' method='post'>"
      "<input name='url' value=''>"
      "<select name='cat'><option value='arts'>Arts</option><option value='biz'>Business</option>"
      "</select><input type='hidden' name='lang' value='en'>"
      "<input type='submit' value='Add'></form></body></html>";
  QTemporaryDir home;
  const QString appFolder = home.filePath("app");
  ASSERT_TRUE(QDir().mkpath(appFolder));
  const std::string app = appFolder.toStdString() + "/";

  const ToolResult captured =
      RunTool({"capture", QString::fromStdString(server.Url("/pages/engine")), "--source"},
              home.path(), appFolder);
  ASSERT_EQ(captured.exitCode, 0) << captured.errors.toStdString();
  std::string source = captured.output.toStdString();
  WriteFileBytes(app + "draft.source", source);
  const ToolResult draft = RunTool({"db", "compile", QString::fromStdString(app + "draft.source"),
                                    "-o", QString::fromStdString(app + "draft.dll")},
                                   home.path(), appFolder);
  ASSERT_EQ(draft.exitCode, 0) << draft.errors.toStdString() << source;

  for (const auto& [placeholder, value] : std::vector<std::pair<std::string, std::string>>{
           {"engine name\n", "engine Served\n"},
           {"success response\n", "success Thank you\n"},
           {"field url = \n", "field url = %001\n"},
           {"group name = ", "group Served = "}}) {
    const size_t at = source.find(placeholder);
    ASSERT_NE(at, std::string::npos) << placeholder << source;
    source.replace(at, placeholder.size(), value);
  }
  WriteFileBytes(app + "engine.source", source);
  const ToolResult compiled =
      RunTool({"db", "compile", QString::fromStdString(app + "engine.source"), "-o",
               QString::fromStdString(app + "kelvox.dll")},
              home.path(), appFolder);
  ASSERT_EQ(compiled.exitCode, 0) << compiled.errors.toStdString();

  const std::string session = app + "draft.ses";
  {
    tool::ToolProgram maker;
    ASSERT_TRUE(maker.OpenDatabase(app + "kelvox.dll"));
    Program& program = maker.program;
    for (auto* profile : {&program.session.profile, &program.session.editor.boxText}) {
      (*profile)[kPageAddress] = "http://www.example.com/shoes.html";
    }
    // The second entry of the engine's group, "biz", as the category screen chooses it.
    ASSERT_EQ(program.database.categoryGroups.size(), 1u);
    program.database.categoryGroups[0].chosen = 2;
    program.engineLists.engineList.SetMarked(0, true);
    WriteSession(program, session, false);
  }
  const ToolResult run =
      RunTool({"run", QString::fromStdString(session), "--timeout", "20"}, home.path(), appFolder);
  ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();
  EXPECT_TRUE(run.output.startsWith("Served\t")) << run.output.toStdString();
  EXPECT_TRUE(run.output.contains("\tsuccessful\t200")) << run.output.toStdString();

  ASSERT_FALSE(server.Requests().empty());
  const ReceivedRequest& submitted = server.Requests().back();
  EXPECT_EQ(submitted.path, "/echo");
  EXPECT_EQ(submitted.method, "POST");
  EXPECT_EQ(submitted.fields,
            (std::vector<std::pair<QString, QString>>{
                {"url", "http://www.example.com/shoes.html"}, {"cat", "biz"}, {"lang", "en"}}));
}

}  // namespace
}  // namespace zentrova::testing
