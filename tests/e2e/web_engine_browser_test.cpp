#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include <QTcpServer>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include "event_wait.h"

#include "app/platform/windows1252.h"
#include "fake_engine_server.h"
#include "submission/form_encoding.h"
#include "submission/request_builder.h"
#include "support/test_program.h"
#include "ui/browser/quiet_web_page.h"
#include "ui/browser/web_engine_browser.h"

namespace zentrova::testing {
namespace {

struct BrowserEvent {
  std::string kind;  // "navigation" or "document"
  std::string url;
  int httpStatus = 0;
  std::string bodyText;  // as BodyText() read it inside the handler
};

FormRequest Submission(const std::string& method, const std::string& action) {
  return {method == "post", action, EncodeFormFields({{"site", "caf\xE9 & co"}})};
}

// A browser on its own page, recording the events it raises together with the page text the
// core would read from the handler.
class WebEngineBrowserTest : public ::testing::Test {
 protected:
  WebEngineBrowserTest() {
    browser.events.navigationCompleted = [this](const std::string& url, int httpStatus) {
      events.push_back({"navigation", url, httpStatus, browser.BodyText()});
    };
    browser.events.documentCompleted = [this](const std::string& url) {
      events.push_back({"document", url, 0, browser.BodyText()});
    };
  }

  bool WaitForEvents(size_t count, int milliseconds = 20000) {
    return RunEventsUntil([&] { return events.size() >= count; }, milliseconds);
  }
  // Lets late events arrive, if there were to be any.
  void Settle() {
    RunEventsUntil([] { return false; }, 300);
  }

  FakeEngineServer server;
  QWebEngineProfile profile;
  QuietWebPage page{&profile};
  WebEngineBrowser browser{&page};
  std::vector<BrowserEvent> events;
};

struct ReplyCase {
  const char* label;
  std::string method;
  std::string path;
  std::string replyPath;  // where the reply is reported; empty: the submitted address
  int httpStatus;
  std::string bodyText;
};

class SubmissionReplyTest : public WebEngineBrowserTest,
                            public ::testing::WithParamInterface<ReplyCase> {};

TEST_P(SubmissionReplyTest, ReportsTheReplyOnceAndNeverTheWrittenPage) {
  const ReplyCase& reply = GetParam();
  browser.Submit(Submission(reply.method, server.Url(reply.path)));

  ASSERT_TRUE(WaitForEvents(2));
  Settle();
  ASSERT_EQ(events.size(), 2u);
  const std::string submitted =
      server.Url(reply.path) + (reply.method == "get" ? "?site=caf%C3%A9+%26+co" : "");
  const std::string expectedUrl = reply.replyPath.empty() ? submitted : server.Url(reply.replyPath);
  EXPECT_EQ(events[0].kind, "navigation");
  EXPECT_EQ(events[0].url, expectedUrl);
  EXPECT_EQ(events[0].httpStatus, reply.httpStatus);
  EXPECT_NE(events[0].bodyText.find(reply.bodyText), std::string::npos) << events[0].bodyText;
  if (reply.bodyText.empty()) {
    EXPECT_EQ(events[0].bodyText, "");
  }
  EXPECT_EQ(events[1].kind, "document");
  EXPECT_EQ(events[1].url, expectedUrl);
  ASSERT_FALSE(server.Requests().empty());
  EXPECT_EQ(server.Requests().front().fields,
            (std::vector<std::pair<QString, QString>>{{"site", QString::fromUtf8("café & co")}}));
}

INSTANTIATE_TEST_SUITE_P(
    Replies, SubmissionReplyTest,
    ::testing::Values(ReplyCase{"PostedPage", "post", "/echo", "", 200, "Thank you"},
                      ReplyCase{"GetPage", "get", "/echo", "", 200, "Thank you"},
                      ReplyCase{"RedirectReportsItsTarget", "post", "/redirect", "/thanks", 200,
                                "Welcome aboard"},
                      ReplyCase{"EmptyTextReply", "get", "/indexnow/200", "", 200, ""},
                      ReplyCase{"Accepted", "get", "/indexnow/202", "", 202, ""},
                      ReplyCase{"NoContentIsAnEmptyReply", "get", "/indexnow/204", "", 0, ""},
                      ReplyCase{"Refused", "get", "/indexnow/403", "", 403, "Key not valid"},
                      ReplyCase{"ErrorWithoutBodyShowsTheBrowsersOwnText", "get", "/indexnow/429",
                                "", 429, "HTTP ERROR 429"}),
    [](const ::testing::TestParamInfo<ReplyCase>& info) { return info.param.label; });

// What the browser itself sends when a page's form of text inputs is submitted by script:
// the request that the direct load must reproduce byte for byte.
ReceivedRequest SentByTheWrittenForm(QWebEnginePage& page, const FakeEngineServer& server,
                                     const std::string& formHtml) {
  const size_t before = server.Requests().size();
  int loads = 0;
  const QMetaObject::Connection connection =
      QObject::connect(&page, &QWebEnginePage::loadFinished, [&loads](bool) { ++loads; });
  page.setHtml(DecodeWindows1252(SubmissionPage(formHtml)));
  bool sent = RunEventsUntil([&] { return loads == 1; }, 20000);
  if (sent) {
    page.runJavaScript(
        "(function(){var f=document.forms[0];HTMLFormElement.prototype.submit.call(f);})()");
    // The reply is let in before anything else is loaded.
    sent = RunEventsUntil([&] { return loads == 2 && server.Requests().size() > before; }, 20000);
  }
  QObject::disconnect(connection);
  return sent ? server.Requests().back() : ReceivedRequest{};
}

TEST_F(WebEngineBrowserTest, ASubmissionSendsExactlyWhatTheWrittenFormWouldSend) {
  const std::string awkward[] = {
      "Tom & Jerry's \"Best\" Caf\xE9",
      "a b*-._~!'()+%20=?#/:;,@$[]{}|\\^`",
      "\x80\x82\x8A\x99\x9F \xA0\xFF \x81\x8D\x9D <b>&amp;</b>",
      "two\r\nlines\nand\rmore",
      "tab\there",
  };
  for (const int method : {kPost, kGet}) {
    for (const std::string& value : awkward) {
      SCOPED_TRACE((method == kPost ? "POST " : "GET ") + value);
      TestProgram test;
      Program& program = test.program;
      EngineRecord engine;
      engine.name = "Engine";
      engine.method = method;
      engine.actionUrl = server.Url("/echo?from=action");
      engine.fieldCount = 4;
      const std::pair<const char*, const char*> fields[] = {
          {"url", "%001"}, {"title", "%002"}, {"same", "%002"}, {"n\xE9 me", "fixed"}};
      for (int i = 1; i <= 4; ++i) {
        engine.fieldNames[i] = fields[i - 1].first;
        engine.fieldValues[i] = fields[i - 1].second;
      }
      program.run.currentEngine = program.database.AddEngine(engine);
      program.run.deepLinkCounter = -1;
      program.session.profile[kPageAddress] = "http://www.example.com/caf\xE9.html";
      program.session.profile[kSiteTitle] = value;

      const ReceivedRequest written =
          SentByTheWrittenForm(page, server, BuildSubmissionForm(program));
      const size_t before = server.Requests().size();
      browser.Submit(BuildSubmissionRequest(program));
      ASSERT_TRUE(RunEventsUntil([&] { return server.Requests().size() > before; }, 20000));
      const ReceivedRequest& direct = server.Requests().back();

      EXPECT_FALSE(written.method.isEmpty());
      EXPECT_EQ(direct.method, written.method);
      EXPECT_EQ(direct.path, written.path);
      EXPECT_EQ(direct.rawFields, written.rawFields);
      ASSERT_TRUE(WaitForEvents(2));
      events.clear();
    }
  }
}

TEST_F(WebEngineBrowserTest, ConnectionFailureIsReportedWithoutStatusAndWithTheBrowsersReason) {
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const std::string action = "http://127.0.0.1:" + std::to_string(closed.serverPort()) + "/add";
  closed.close();
  browser.Submit(Submission("post", action));

  ASSERT_TRUE(WaitForEvents(2));
  EXPECT_EQ(events[0].url, action);
  EXPECT_EQ(events[0].httpStatus, 0);
  EXPECT_EQ(events[0].bodyText, "");
  EXPECT_EQ(browser.LoadFailure(), "net::ERR_CONNECTION_REFUSED");

  // The next load that gets a reply is no failure.
  browser.Submit(Submission("post", server.Url("/echo")));
  ASSERT_TRUE(WaitForEvents(4));
  EXPECT_EQ(browser.LoadFailure(), "");
}

TEST_F(WebEngineBrowserTest, StoppedRequestIsNeverReportedNorTakenForTheNextReply) {
  browser.Submit(Submission("post", server.Url("/never")));
  ASSERT_TRUE(RunEventsUntil([&] { return !server.Requests().empty(); }, 20000));
  browser.Stop();
  Settle();
  EXPECT_TRUE(events.empty());

  browser.Submit(Submission("post", server.Url("/echo")));
  ASSERT_TRUE(WaitForEvents(1));
  Settle();
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].url, server.Url("/echo"));
}

TEST_F(WebEngineBrowserTest, DescribesANavigatedLocalPage) {
  TestProgram files;
  const std::string path = files.AppPath("SESSIONS/page.htm");
  WriteFileBytes(path,
                 "<html><body><a href=\"sub/one.htm\">one</a><a href=\"http://example.com/x\">x</a>"
                 "<form><input name=\"q\" value=\"v\"><textarea name=\"t\">text</textarea>"
                 "<select name=\"s\"><option value=\"1\">One</option><option value=\"2\" "
                 "selected>Two</option></select><input type=\"submit\"></form></body></html>");
  browser.Navigate(path);

  ASSERT_TRUE(WaitForEvents(2));
  EXPECT_EQ(events[0].httpStatus, 0);
  EXPECT_EQ(browser.Links(),
            (std::vector<std::string>{"file://" + files.AppPath("SESSIONS/sub/one.htm"),
                                      "http://example.com/x"}));
  const std::vector<FormElement> form = browser.FirstFormElements();
  ASSERT_EQ(form.size(), 4u);
  EXPECT_EQ(form[0].name, "q");
  EXPECT_EQ(form[0].value, "v");
  EXPECT_EQ(form[0].tagName, "INPUT");
  EXPECT_EQ(form[1].tagName, "TEXTAREA");
  EXPECT_EQ(form[1].value, "text");
  EXPECT_EQ(form[2].tagName, "SELECT");
  EXPECT_EQ(form[2].value, "2");
  EXPECT_EQ(form[2].options, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(form[3].name, "");
  EXPECT_NE(browser.PageSource().find("<select name=\"s\">"), std::string::npos);
}

TEST_F(WebEngineBrowserTest, PageSourceOfAnXmlDocumentIsItsMarkup) {
  browser.Navigate(server.Url("/sitemap.xml"));

  ASSERT_TRUE(WaitForEvents(2));
  EXPECT_EQ(events[0].httpStatus, 200);
  EXPECT_NE(browser.PageSource().find("<loc>http://www.example.com/a.html</loc>"),
            std::string::npos)
      << browser.PageSource();
}

TEST_F(WebEngineBrowserTest, PastesIntoAFocusedInputOnly) {
  TestProgram files;
  const std::string path = files.AppPath("SESSIONS/form.htm");
  WriteFileBytes(path,
                 "<html><body><form><input name=\"a\"><textarea name=\"b\"></textarea>"
                 "</form></body></html>");
  browser.Navigate(path);
  ASSERT_TRUE(WaitForEvents(2));
  auto valueOf = [&](const char* script) {
    QString value;
    bool done = false;
    page.runJavaScript(QString::fromLatin1(script), [&](const QVariant& result) {
      value = result.toString();
      done = true;
    });
    EXPECT_TRUE(RunEventsUntil([&] { return done; }, 10000));
    return value;
  };

  valueOf("document.forms[0].a.focus()");
  browser.PasteIntoFocusedElement("Caf\xE9 \"quoted\"");
  EXPECT_EQ(valueOf("document.forms[0].a.value"), QString::fromUtf8("Café \"quoted\""));

  valueOf("document.forms[0].b.focus()");
  browser.PasteIntoFocusedElement("ignored");
  EXPECT_EQ(valueOf("document.forms[0].b.value"), "");
}

}  // namespace
}  // namespace zentrova::testing
