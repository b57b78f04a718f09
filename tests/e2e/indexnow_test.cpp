#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "fake_engine_server.h"
#include "submission/log_pages.h"
#include "web_program.h"

namespace zentrova::testing {
namespace {

constexpr char kKey[] = "5f0c1e2d3b4a69788796a5b4c3d2e1f0";
constexpr int kSameHostLinks = 30;
constexpr int kTestReplyTimeout = 5000;
const int kAnswers[] = {200, 202, 403, 422, 429};

class IndexNowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    web.replyTimer.SetInterval(kTestReplyTimeout);
    program().run.serviceChecked = true;
    program().run.onlineConfirmed = true;
    Set(kPageAddress, server.Url("/pages/home.htm"));
    Set(kIndexNowKey, kKey);
    for (int i = 1; i <= kSameHostLinks; ++i) {
      program().deepPromotion.links.push_back(server.Url("/pages/p" + std::to_string(i) + ".htm"));
      if (i == 3) {
        program().deepPromotion.links.push_back("http://www.example.com/elsewhere.htm");
      }
    }
    program().session.editor.check5 = kChecked;
    form = web.AddEngine(
        {"Form Echo", server.Url("/echo"), kPost, "Thank you", {{"url", "%001"}}, kDirectory});
    for (const int status : kAnswers) {
      engines.push_back(web.AddEngine({"IndexNow " + std::to_string(status),
                                       server.Url("/indexnow/" + std::to_string(status)),
                                       kGet,
                                       server.Url("/"),
                                       {{"url", "%001"}, {"key", "%040"}},
                                       kSearchEngine,
                                       kIndexNowProtocol}));
    }
    for (const int slot : engines) {
      program().reports.statusList.Add(program().database.Engine(slot).name, slot);
    }
  }
  void Set(int slot, const std::string& value) {
    program().session.profile[slot] = value;
    program().session.editor.boxText[slot] = value;
  }
  Program& program() { return web.program; }
  std::vector<ReceivedRequest> RequestsTo(const QString& prefix) const {
    std::vector<ReceivedRequest> found;
    for (const ReceivedRequest& request : server.Requests()) {
      if (request.path.startsWith(prefix)) {
        found.push_back(request);
      }
    }
    return found;
  }
  std::string LogPage(int slot) {
    SortedList& list = program().reports.statusList;
    list.SetCurrentRow(list.FindData(slot));
    ShowLogPage(program());
    return ReadFileBytes(web.test.AppPath("LOG/current.htm"));
  }

  FakeEngineServer server;
  WebProgram web;
  int form = 0;
  std::vector<int> engines;
};

TEST_F(IndexNowTest, EachEngineGetsOneJsonRequestWithThePageAndAllSameHostLinks) {
  server.rootFiles[QString::fromLatin1(kKey) + ".txt"] = QByteArray(kKey) + "\r\n";
  ASSERT_TRUE(web.RunOnlineRegistration());

  ASSERT_EQ(RequestsTo("/" + QString::fromLatin1(kKey)).size(), 1u);  // checked once
  const auto forms = RequestsTo("/echo");
  ASSERT_EQ(forms.size(), 1u);
  EXPECT_EQ(forms[0].fields, (std::vector<std::pair<QString, QString>>{
                                 {"url", QString::fromStdString(server.Url("/pages/home.htm"))}}));
  EXPECT_EQ(program().database.Engine(form).RegistrationStatus(), kSuccessful);

  for (size_t i = 0; i < engines.size(); ++i) {
    const int status = kAnswers[i];
    SCOPED_TRACE(status);
    const auto received = RequestsTo("/indexnow/" + QString::number(status));
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].method, "POST");
    const QJsonObject body = QJsonDocument::fromJson(received[0].rawFields).object();
    EXPECT_EQ(body["host"].toString(), "127.0.0.1");
    EXPECT_EQ(body["key"].toString(), kKey);
    EXPECT_EQ(body["keyLocation"].toString().toStdString(),
              server.Url("/" + std::string(kKey) + ".txt"));
    const QJsonArray urls = body["urlList"].toArray();
    ASSERT_EQ(urls.size(), kSameHostLinks + 1);
    EXPECT_EQ(urls[0].toString().toStdString(), server.Url("/pages/home.htm"));
    EXPECT_EQ(urls[30].toString().toStdString(), server.Url("/pages/p30.htm"));

    const EngineRecord& engine = program().database.Engine(engines[i]);
    const int expected = status == 200 || status == 202 ? kSuccessful : kFailed;
    EXPECT_EQ(engine.RegistrationStatus(), expected);
    EXPECT_EQ(engine.DeepLinkStatus(), expected);
    const std::string page = LogPage(engines[i]);
    EXPECT_NE(page.find("IndexNow answer: HTTP " + std::to_string(status)), std::string::npos)
        << page;
    EXPECT_NE(page.find("Addresses sent: 31"), std::string::npos);
    EXPECT_NE(page.find("<br>http://www.example.com/elsewhere.htm"), std::string::npos);
  }
  EXPECT_NE(LogPage(engines[1]).find("key not yet verified"), std::string::npos);
  EXPECT_NE(LogPage(engines[2]).find("Forbidden: the key is not valid"), std::string::npos);
}

TEST_F(IndexNowTest, AMissingKeyFileSendsNothingToTheIndexNowEngines) {
  web.test.dialogs.answers = {MessageAnswer::No};
  ASSERT_TRUE(web.RunOnlineRegistration());

  ASSERT_EQ(web.test.dialogs.messages.size(), 1u);
  const std::string& question = web.test.dialogs.messages[0].text;
  EXPECT_NE(question.find(server.Url("/" + std::string(kKey) + ".txt")), std::string::npos)
      << question;
  EXPECT_NE(question.find("not found (HTTP 404)"), std::string::npos);
  EXPECT_TRUE(RequestsTo("/indexnow/").empty());
  EXPECT_EQ(RequestsTo("/echo").size(), 1u);
  EXPECT_EQ(program().database.Engine(form).RegistrationStatus(), kSuccessful);
  for (const int slot : engines) {
    EXPECT_EQ(program().database.Engine(slot).RegistrationStatus(), kFailed);
    EXPECT_NE(LogPage(slot).find("Not sent: the key file check failed"), std::string::npos);
  }
}

}  // namespace
}  // namespace zentrova::testing
