#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <regex>

#include <QTcpServer>
#include <QTcpSocket>

#include "event_wait.h"

#include "app/platform/windows1252.h"
#include "fake_engine_server.h"
#include "submission/run_controller.h"
#include "submission/service_status.h"
#include "text/string_table.h"
#include "web_program.h"

namespace zentrova::testing {
namespace {

constexpr char kPage[] = "http://www.example.com/caf\xE9.html";
constexpr char kTitle[] = "Tom & Jerry's \"Best\" Caf\xE9";
constexpr char kDescription[] = "Fresh coffee, cake  and cr\xE8me br\xFBl\xE9";
constexpr char kFirstDeepLink[] = "http://www.example.com/menu.html";
constexpr char kSecondDeepLink[] = "http://www.example.com/about us.html";
// Short, so that the engine that never answers costs little; long enough for any reply on
// loopback.
constexpr int kTestReplyTimeout = 2500;

using Fields = std::vector<std::pair<QString, QString>>;

QString Q(const std::string& bytes) {
  return DecodeWindows1252(bytes);
}

// What the server saw, without the page a redirect led to and the service page.
std::vector<ReceivedRequest> Submissions(const FakeEngineServer& server) {
  std::vector<ReceivedRequest> submissions;
  for (const ReceivedRequest& request : server.Requests()) {
    if (request.path != "/thanks" && request.path != "/status") {
      submissions.push_back(request);
    }
  }
  return submissions;
}

void SetProfile(Program& program, int slot, const std::string& value) {
  program.session.profile[slot] = value;
  program.session.editor.boxText[slot] = value;
}

class OnlineRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    web.replyTimer.SetInterval(kTestReplyTimeout);
    SetProfile(program(), kPageAddress, kPage);
    SetProfile(program(), kSiteTitle, kTitle);
    SetProfile(program(), kEmail, "owner@example.com");
    SetProfile(program(), kSiteDescription, kDescription);
  }

  Program& program() { return web.program; }
  const EngineRecord& Engine(int slot) { return program().database.Engine(slot); }
  std::filesystem::path LogFile(const std::string& name) { return web.test.AppPath("LOG/" + name); }

  FakeEngineServer server;
  WebProgram web;
};

TEST_F(OnlineRegistrationTest, SubmitsEveryQueuedEngineInOrderAndRecordsItsVerdict) {
  program().run.serviceChecked = true;
  program().session.editor.check5 = kChecked;
  program().deepPromotion.links = {kFirstDeepLink, kSecondDeepLink};
  const std::string anyAddressOnServer = server.Url("/");
  // Added out of order: the engine list sorts them.
  const int silent =
      web.AddEngine({"Omega Silent", server.Url("/never"), kPost, "Thank you", {{"site", "%001"}}});
  const int ping403 = web.AddEngine({"IndexNow 403",
                                     server.Url("/indexnow/403"),
                                     kGet,
                                     anyAddressOnServer,
                                     {{"url", "%001"}, {"key", "k1"}}});
  const int echo = web.AddEngine({"Alpha Echo",
                                  server.Url("/echo"),
                                  kPost,
                                  "Thank you",
                                  {{"url", "%001"},
                                   {"title", "%002"},
                                   {"email", "%011"},
                                   {"lang", "en & fr"},
                                   {"submit", "Add URL"}}});
  const int unqueued = web.AddEngine(
      {"Aardvark Unqueued", server.Url("/echo"), kPost, "Thank you", {{"site", "%001"}}}, false);
  const int search = web.AddEngine({"beta Search",
                                    server.Url("/echo"),
                                    kGet,
                                    "Thank you",
                                    {{"u", "%001"}, {"d", "%012"}},
                                    kSearchEngine});
  const int redirect = web.AddEngine(
      {"Gamma Redirect", server.Url("/redirect"), kPost, "Welcome aboard", {{"site", "%001"}}});
  std::map<int, int> pings;
  for (int status : {429, 200, 204, 202}) {
    const std::string name = "IndexNow " + std::to_string(status);
    pings[status] = web.AddEngine({name,
                                   server.Url("/indexnow/" + std::to_string(status)),
                                   kGet,
                                   anyAddressOnServer,
                                   {{"url", "%001"}, {"key", "k1"}}});
  }

  ASSERT_TRUE(web.RunOnlineRegistration());

  const QString page = Q(kPage);
  const Fields ping = {{"url", page}, {"key", "k1"}};
  const std::vector<std::tuple<QString, QString, Fields>> expected = {
      {"/echo",
       "POST",
       {{"url", page},
        {"title", Q(kTitle)},
        {"email", "owner@example.com"},
        {"lang", "en & fr"},
        {"submit", "Add URL"}}},
      {"/echo", "GET", {{"u", page}, {"d", Q(kDescription)}}},
      {"/echo", "GET", {{"u", Q(kSecondDeepLink)}, {"d", Q(kDescription)}}},
      {"/echo", "GET", {{"u", Q(kFirstDeepLink)}, {"d", Q(kDescription)}}},
      {"/redirect", "POST", {{"site", page}}},
      {"/indexnow/200", "GET", ping},
      {"/indexnow/202", "GET", ping},
      {"/indexnow/204", "GET", ping},
      {"/indexnow/403", "GET", ping},
      {"/indexnow/429", "GET", ping},
      {"/never", "POST", {{"site", page}}},
  };
  const std::vector<ReceivedRequest> received = Submissions(server);
  std::string paths;
  for (const ReceivedRequest& request : received) {
    paths += request.path.toStdString() + " ";
  }
  ASSERT_EQ(received.size(), expected.size()) << paths;
  for (size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("submission " + std::to_string(i + 1));
    EXPECT_EQ(received[i].path, std::get<0>(expected[i]));
    EXPECT_EQ(received[i].method, std::get<1>(expected[i]));
    EXPECT_EQ(received[i].fields, std::get<2>(expected[i]));
  }
  // Sent as UTF-8, with the reserved characters escaped.
  EXPECT_TRUE(received[0].rawFields.contains("caf%C3%A9.html")) << received[0].rawFields.data();
  EXPECT_TRUE(received[0].rawFields.contains("title=Tom+%26+Jerry%27s+%22Best%22+Caf%C3%A9"))
      << received[0].rawFields.data();

  const std::map<int, std::array<ResultCode, 2>> results = {
      {echo, {kNotSubmitted, kSuccessful}},       {search, {kSuccessful, kSuccessful}},
      {redirect, {kNotSubmitted, kSuccessful}},   {pings[200], {kNotSubmitted, kSuccessful}},
      {pings[202], {kNotSubmitted, kSuccessful}}, {pings[204], {kNotSubmitted, kSuccessful}},
      {ping403, {kNotSubmitted, kFailed}},        {pings[429], {kNotSubmitted, kFailed}},
      {silent, {kNotSubmitted, kFailed}},         {unqueued, {kNotSubmitted, kNotSubmitted}},
  };
  const std::regex date("\\d\\d-\\d\\d-\\d{4}");
  const std::regex time("\\d\\d:\\d\\d:\\d\\d");
  for (const auto& [slot, result] : results) {
    const EngineRecord& engine = Engine(slot);
    SCOPED_TRACE(engine.name);
    EXPECT_EQ(engine.results, result);
    if (slot != unqueued) {
      EXPECT_TRUE(std::regex_match(engine.runDate, date)) << engine.runDate;
      EXPECT_TRUE(std::regex_match(engine.startedAt, time)) << engine.startedAt;
      EXPECT_TRUE(std::regex_match(engine.finishedAt, time)) << engine.finishedAt;
    } else {
      EXPECT_TRUE(engine.runDate.empty());
    }
  }

  EXPECT_EQ(KeptReplyText(ReadFileBytes(LogFile("IndexNow 403.htm"))), "Key not valid");
  // The engine sent no text; the browser shows one of its own, which is what the user sees.
  EXPECT_NE(ReadFileBytes(LogFile("IndexNow 429.htm")).find("HTTP ERROR 429"), std::string::npos);
  // A reply that never came leaves no text; a successful one keeps none.
  EXPECT_FALSE(std::filesystem::exists(LogFile("Omega Silent.htm")));
  EXPECT_FALSE(std::filesystem::exists(LogFile("Alpha Echo.htm")));

  EXPECT_EQ(program().engineLists.engineList.MarkedCount(), 0);
  EXPECT_EQ(program().engineLists.status.ready, "0");
  EXPECT_EQ(program().engineLists.status.successful, "6");
  EXPECT_EQ(program().engineLists.status.failed, "3");
  EXPECT_TRUE(std::filesystem::exists(program().session.currentFile));
}

// A port that takes connections and closes them at once, before any reply.
class DroppingServer {
 public:
  DroppingServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections;
        socket->abort();
        socket->deleteLater();
      }
    });
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
  }
  int connections = 0;

 private:
  QTcpServer server_;
};

std::string ClosedPortUrl(const std::string& path) {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  return "http://127.0.0.1:" + std::to_string(probe.serverPort()) + path;
}

TEST_F(OnlineRegistrationTest, RequestsThatGetNoReplyFailWithTheBrowsersReasonKept) {
  program().run.serviceChecked = true;
  DroppingServer dropping;
  const std::string closed = ClosedPortUrl("/add");
  // Address markers on the actions' own hosts: the address of a failed load matches them.
  const int refused = web.AddEngine(
      {"Closed Port", closed, kPost, closed.substr(0, closed.find("/add") + 1), {{"u", "%001"}}});
  const int dropped =
      web.AddEngine({"Dropped", dropping.Url("/add"), kPost, dropping.Url("/"), {{"u", "%001"}}});
  const int live =
      web.AddEngine({"Live Echo", server.Url("/echo"), kPost, "Thank you", {{"u", "%001"}}});

  ASSERT_TRUE(web.RunOnlineRegistration());

  EXPECT_EQ(Engine(refused).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(dropped).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(live).RegistrationStatus(), kSuccessful);
  EXPECT_GE(dropping.connections, 1);
  EXPECT_EQ(KeptReplyText(ReadFileBytes(LogFile("Closed Port.htm"))),
            "No reply from the engine: net::ERR_CONNECTION_REFUSED");
  const std::string droppedText = KeptReplyText(ReadFileBytes(LogFile("Dropped.htm")));
  EXPECT_EQ(droppedText.rfind("No reply from the engine: net::ERR_", 0), 0u) << droppedText;
  EXPECT_FALSE(std::filesystem::exists(LogFile("Live Echo.htm")));
}

TEST_F(OnlineRegistrationTest, ARunPastTheBrowsersLimitForPageStartedLoadsLosesNoSubmission) {
  // The browser drops a page's 201st navigation within ten seconds without a word; each of
  // these submissions is a load of its own, so none may be lost, however fast the machine.
  program().run.serviceChecked = true;
  constexpr int kEngines = 250;
  std::vector<int> engines;
  for (int i = 0; i < kEngines; ++i) {
    char name[16];
    std::snprintf(name, sizeof name, "Engine %03d", i);
    engines.push_back(web.AddEngine(
        {name, server.Url("/echo"), i % 2 == 0 ? kPost : kGet, "Thank you", {{"url", "%001"}}}));
  }

  ASSERT_TRUE(web.RunOnlineRegistration(600000));

  int successes = 0;
  for (const int slot : engines) {
    successes += Engine(slot).RegistrationStatus() == kSuccessful ? 1 : 0;
  }
  EXPECT_EQ(successes, kEngines);
  EXPECT_EQ(Submissions(server).size(), static_cast<size_t>(kEngines));
  EXPECT_EQ(program().engineLists.status.successful, std::to_string(kEngines));
}

struct ServiceCase {
  const char* label;
  std::string text;
  std::vector<QString> submittedPaths;
  int marksLeft;
  int exits;
};

class ServiceStatusTest : public OnlineRegistrationTest,
                          public ::testing::WithParamInterface<ServiceCase> {};

TEST_P(ServiceStatusTest, TheServicePageDecidesBeforeAnySubmission) {
  const ServiceCase& service = GetParam();
  program().text.stringTable[kServiceStatusUrlFirstHalf] = *ScrambleText(server.Url(""));
  program().text.stringTable[kServiceStatusUrlSecondHalf] = *ScrambleText("/status");
  const std::string text = ApplyServiceKey(service.text) + std::string(20, 'z');
  server.serviceBody = QByteArray(text.data(), static_cast<qsizetype>(text.size()));
  web.AddEngine({"Alpha Echo", server.Url("/echo"), kPost, "Thank you", {{"a", "%001"}}});
  web.AddEngine({"Alpha Echo Plus", server.Url("/indexnow/200"), kGet, "Thank you", {}});
  web.AddEngine({"IndexNow 202", server.Url("/indexnow/202"), kGet, "Thank you", {}});

  if (service.exits > 0) {
    StartOnlineRegistration(program());
    ASSERT_TRUE(RunEventsUntil([&] { return web.test.exitCount > 0; }, 60000));
  } else {
    ASSERT_TRUE(web.RunOnlineRegistration());
  }

  ASSERT_FALSE(server.Requests().empty());
  EXPECT_EQ(server.Requests().front().path, "/status");
  std::vector<QString> paths;
  for (const ReceivedRequest& request : Submissions(server)) {
    paths.push_back(request.path);
  }
  EXPECT_EQ(paths, service.submittedPaths);
  EXPECT_EQ(program().engineLists.engineList.MarkedCount(), service.marksLeft);
  EXPECT_EQ(web.test.exitCount, service.exits);
}

INSTANTIATE_TEST_SUITE_P(Pages, ServiceStatusTest,
                         ::testing::Values(ServiceCase{"NewerVersionEndsTheRun", "W", {}, 3, 0},
                                           ServiceCase{"StopNoticeEndsTheProgram", "S", {}, 3, 1},
                                           ServiceCase{"WithdrawsTheNamedEnginesOnly",
                                                       "1.0;,Alpha Echo,IndexNow 202,",
                                                       {"/indexnow/200"},
                                                       0,
                                                       0},
                                           ServiceCase{"UnreadablePageWithdrawsNothing",
                                                       "nothing to say",
                                                       {"/echo", "/indexnow/200", "/indexnow/202"},
                                                       0,
                                                       0}),
                         [](const ::testing::TestParamInfo<ServiceCase>& info) {
                           return info.param.label;
                         });

}  // namespace
}  // namespace zentrova::testing
