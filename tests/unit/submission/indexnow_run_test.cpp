#include <gtest/gtest.h>

#include "run_fixture.h"
#include "submission/indexnow_submission.h"
#include "submission/log_pages.h"

namespace zentrova::testing {
namespace {

constexpr char kKey[] = "0123456789abcdef0123456789abcdef";
constexpr char kPage[] = "https://my.site/index.htm";
constexpr char kKeyFile[] = "https://my.site/0123456789abcdef0123456789abcdef.txt";

class IndexNowRunTest : public RunFixture {
 protected:
  IndexNowRunTest() {
    program.session.editor.boxText[kPageAddress] = kPage;
    program.session.editor.boxText[kIndexNowKey] = kKey;
  }
  int AddIndexNowEngine(const std::string& name) {
    const int slot = AddEngine(name);
    Engine(slot).protocol = kIndexNowProtocol;
    Engine(slot).actionUrl = "https://" + name + ".test/indexnow";
    return slot;
  }
  void WithLinks(int sameHost, const std::vector<std::string>& others = {}) {
    for (int i = 1; i <= sameHost; ++i) {
      program.deepPromotion.links.push_back("https://my.site/page" + std::to_string(i) + ".htm");
    }
    program.deepPromotion.links.insert(program.deepPromotion.links.end(), others.begin(),
                                       others.end());
    program.session.editor.check5 = kChecked;
  }
  // Answers the key file check (the first request) with the key.
  void KeyFileFound() {
    ASSERT_FALSE(t.http.pending.empty());
    ASSERT_EQ(t.http.pending.front().request.url, kKeyFile);
    ASSERT_EQ(t.http.pending.front().request.method, "GET");
    t.http.Answer({200, std::string(kKey) + "\n", ""});
  }
  void Requeue(int slot) {
    SortedList& list = program.engineLists.engineList;
    list.SetMarked(list.FindData(slot), true);
  }
  std::vector<HttpRequest> Posts() const {
    std::vector<HttpRequest> posts;
    for (const HttpRequest& request : t.http.sent) {
      if (request.method == "POST") {
        posts.push_back(request);
      }
    }
    return posts;
  }
  std::string LogPage(int slot) {
    program.reports.statusList.SetCurrentRow(program.reports.statusList.FindData(slot));
    ShowLogPage(program);
    return DeclaredPageText(ReadFileBytes(AppPath("LOG/current.htm")));
  }
  static size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
      ++count;
    }
    return count;
  }
};

TEST_F(IndexNowRunTest, OneJsonRequestCarriesThePageAndEverySameHostLinkBesideTheFormEngines) {
  const int form = AddEngine("Alpha", kDirectory);  // a directory gets no links
  const int engine = AddIndexNowEngine("Beta");
  WithLinks(30, {"https://other.site/x.htm"});
  StartOnlineRegistration(program);
  Reply("Thank you");  // Alpha's form
  KeyFileFound();

  const auto posts = Posts();
  ASSERT_EQ(posts.size(), 1u);
  EXPECT_EQ(posts[0].url, "https://Beta.test/indexnow");
  EXPECT_EQ(posts[0].contentType, "application/json; charset=utf-8");
  const std::string& body = posts[0].body;
  EXPECT_NE(body.find("\"host\":\"my.site\""), std::string::npos) << body;
  EXPECT_NE(body.find("\"keyLocation\":\"" + std::string(kKeyFile) + "\""), std::string::npos);
  EXPECT_NE(body.find("\"urlList\":[\"https://my.site/index.htm\",\"https://my.site/page1.htm\","),
            std::string::npos);
  EXPECT_EQ(Count(body, "https://my.site/page"), 30u);
  EXPECT_EQ(body.find("other.site"), std::string::npos);
  // Only the form engine went through the browser.
  EXPECT_EQ(t.browser.submissions.size(), 1u);

  t.http.Answer({202, "", ""});
  EXPECT_EQ(Engine(form).RegistrationStatus(), kSuccessful);
  EXPECT_EQ(Engine(engine).RegistrationStatus(), kSuccessful);
  EXPECT_EQ(Engine(engine).DeepLinkStatus(), kSuccessful);
  EXPECT_FALSE(Queued(engine));
  EXPECT_TRUE(program.busy.runRegistration);
  EXPECT_FALSE(t.replyTimer.enabled);
  EXPECT_EQ(t.browser.submissions.size(), 1u);

  const std::string page = LogPage(engine);
  EXPECT_NE(page.find("HTTP 202 - Accepted"), std::string::npos) << page;
  EXPECT_NE(page.find("key not yet verified"), std::string::npos);
  EXPECT_NE(page.find("Addresses sent: 31"), std::string::npos);
  EXPECT_NE(page.find("Left out, not on the page's host (1):\r\n<br>https://other.site/x.htm"),
            std::string::npos);
}

TEST_F(IndexNowRunTest, VerdictFollowsTheAnswersStatus) {
  struct Case {
    HttpAnswer answer;
    int result;
    std::string meaning;
  };
  const Case cases[] = {
      {{200, "", ""}, kSuccessful, "OK"},
      {{400, "", ""}, kFailed, "Bad request"},
      {{403, "Key not valid", ""}, kFailed, "Forbidden"},
      {{422, "", ""}, kFailed, "Unprocessable Entity"},
      {{429, "", ""}, kFailed, "Too Many Requests"},
      {{302, "", ""}, kFailed, "Unexpected answer: HTTP 302"},
      {{0, "", "Connection refused"}, kFailed, "No answer: Connection refused"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.meaning);
    const int slot = AddIndexNowEngine("Engine" + std::to_string(c.answer.status));
    StartOnlineRegistration(program);
    if (program.run.keyFile.result == kKeyFileUnchecked) {
      KeyFileFound();
    }
    ASSERT_TRUE(t.http.Answer(c.answer));
    EXPECT_EQ(Engine(slot).RegistrationStatus(), c.result);
    // No links went: the links' result stays untouched.
    EXPECT_EQ(Engine(slot).DeepLinkStatus(), kNotSubmitted);
    EXPECT_EQ(Engine(slot).indexNow.httpStatus, c.answer.status);
    EXPECT_EQ(Engine(slot).indexNow.addressesSent, 1u);
    EXPECT_NE(Engine(slot).indexNow.meaning.find(c.meaning), std::string::npos)
        << Engine(slot).indexNow.meaning;
    EXPECT_NE(LogPage(slot).find(c.meaning), std::string::npos);
  }
  // The failing answer's body is kept as the engine's reply text.
  EXPECT_EQ(ReplyFile("Engine403"), "Key not valid");
}

TEST_F(IndexNowRunTest, AnAnswerThatNeverComesFailsAtTheTimeOutAndALateOneIsIgnored) {
  const int slot = AddIndexNowEngine("Beta");
  const int next = AddIndexNowEngine("Gamma");
  StartOnlineRegistration(program);
  KeyFileFound();
  ASSERT_EQ(t.http.pending.size(), 1u);
  auto late = t.http.pending.front();
  // A check from the Profile page meanwhile is no part of the run and goes on.
  t.http.Send({"GET", "https://my.site/other.txt", "", ""}, [](const HttpAnswer&) {});
  t.replyTimer.Fire();
  EXPECT_EQ(t.http.cancelled, std::vector<HttpClient::RequestId>{late.id});
  EXPECT_EQ(t.http.pending.front().request.url, "https://my.site/other.txt");
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(slot).indexNow.meaning, "No answer: the reply time-out of 30 seconds passed");
  // Gamma's request is under way; Beta's answer arriving now must not be taken for it.
  ASSERT_EQ(Posts().size(), 2u);
  late.done({200, "", ""});
  EXPECT_EQ(Engine(next).RegistrationStatus(), kNotSubmitted);
  t.http.pending.pop_front();
  t.http.Answer({200, "", ""});
  EXPECT_EQ(Engine(next).RegistrationStatus(), kSuccessful);
}

TEST_F(IndexNowRunTest, OnlyTheLogPageOfAnEngineThatTimedOutSaysNoReplyCame) {
  const int silent = AddIndexNowEngine("Beta");
  const int refusing = AddIndexNowEngine("Gamma");
  StartOnlineRegistration(program);
  KeyFileFound();
  t.replyTimer.Fire();
  t.http.Answer({403, "", ""});
  ASSERT_EQ(Engine(refusing).RegistrationStatus(), kFailed);
  EXPECT_NE(LogPage(silent).find("No reply came from this site within the time-out"),
            std::string::npos);
  EXPECT_EQ(LogPage(refusing).find("No reply came"), std::string::npos);
}

TEST_F(IndexNowRunTest, SplitsPastTenThousandAddressesAndStopsAtTheFirstRefusal) {
  const int slot = AddIndexNowEngine("Beta");
  WithLinks(10000);  // with the page: 10,001 addresses
  StartOnlineRegistration(program);
  KeyFileFound();
  t.http.Answer({202, "", ""});
  ASSERT_EQ(Posts().size(), 2u);
  EXPECT_EQ(Count(Posts()[0].body, "\"https://my.site/page"), 9999u);
  const std::string last = "\"urlList\":[\"https://my.site/page10000.htm\"]}";
  EXPECT_EQ(Posts()[1].body.substr(Posts()[1].body.size() - last.size()), last);
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kNotSubmitted);
  t.http.Answer({200, "", ""});
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kSuccessful);
  EXPECT_EQ(Engine(slot).DeepLinkStatus(), kSuccessful);
  EXPECT_EQ(Engine(slot).indexNow.addressesSent, 10001u);
  // One of the requests still waits for its key to be verified.
  EXPECT_EQ(Engine(slot).indexNow.httpStatus, 202);

  const int refused = AddIndexNowEngine("Gamma");
  StartOnlineRegistration(program);
  KeyFileFound();
  t.http.Answer({429, "", ""});
  EXPECT_EQ(Posts().size(), 3u);
  EXPECT_TRUE(t.http.pending.empty());
  EXPECT_EQ(Engine(refused).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(refused).DeepLinkStatus(), kFailed);
  EXPECT_EQ(Engine(refused).indexNow.addressesSent, 10000u);
}

TEST_F(IndexNowRunTest, TheKeyFileIsCheckedOncePerRun) {
  AddIndexNowEngine("Beta");
  AddIndexNowEngine("Gamma");
  StartOnlineRegistration(program);
  KeyFileFound();
  t.http.Answer({200, "", ""});
  t.http.Answer({200, "", ""});
  EXPECT_EQ(t.http.sent.size(), 3u);
  EXPECT_EQ(t.http.sent[0].url, kKeyFile);
}

TEST_F(IndexNowRunTest, UnattendedRunsFailIndexNowEnginesWithoutContactWhenTheCheckFails) {
  struct Case {
    std::string key;
    std::string keyFile;
    HttpAnswer answer;  // to the key file request, when one is made
    std::string reason;
  };
  const Case cases[] = {
      {"", "", {}, "no IndexNow key is given"},
      {"short", "", {}, "5 characters"},
      {kKey, "", {404, "", ""}, "(" + std::string(kKeyFile) + "): the key file was not found"},
      {kKey,
       "https://my.site/k/key.txt",
       {200, "another-key", ""},
       "(https://my.site/k/key.txt): the key file holds another key"},
      {kKey, "", {0, "", "Host not found"}, "no answer: Host not found"},
  };
  program.run.unattended = true;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    t.http.sent.clear();
    const int form = AddEngine("Form" + c.reason);
    const int first = AddIndexNowEngine("First" + c.reason);
    const int second = AddIndexNowEngine("Second" + c.reason);
    program.session.editor.boxText[kIndexNowKey] = c.key;
    program.session.editor.boxText[kIndexNowKeyFile] = c.keyFile;
    StartOnlineRegistration(program);
    if (!t.http.pending.empty()) {
      t.http.Answer(c.answer);
    }
    ReplyToAll("Thank you");
    EXPECT_TRUE(Posts().empty());
    EXPECT_LE(t.http.sent.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_EQ(Engine(form).RegistrationStatus(), kSuccessful);
    for (const int slot : {first, second}) {
      EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
      EXPECT_FALSE(Engine(slot).indexNow.contacted);
      EXPECT_NE(Engine(slot).indexNow.meaning.find(c.reason), std::string::npos)
          << Engine(slot).indexNow.meaning;
    }
    EXPECT_NE(LogPage(first).find("Not sent: the key file check failed"), std::string::npos);
    EXPECT_TRUE(program.busy.runRegistration);
  }
}

TEST_F(IndexNowRunTest, TheProgramAsksWhetherToSubmitAnywayNamingTheAddressAndTheReason) {
  const int slot = AddIndexNowEngine("Beta");
  t.dialogs.answers = {MessageAnswer::No};
  StartOnlineRegistration(program);
  t.http.Answer({404, "", ""});
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  const ShownMessage& question = t.dialogs.messages[0];
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_NE(question.text.find(kKeyFile), std::string::npos) << question.text;
  EXPECT_NE(question.text.find("not found (HTTP 404)"), std::string::npos);
  EXPECT_TRUE(Posts().empty());
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);

  t.dialogs.answers = {MessageAnswer::Yes};
  Requeue(slot);
  StartOnlineRegistration(program);
  t.http.Answer({404, "", ""});
  ASSERT_EQ(Posts().size(), 1u);
  t.http.Answer({403, "", ""});
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(slot).indexNow.httpStatus, 403);
}

TEST_F(IndexNowRunTest, StopLeavesTheAnswerUntaken) {
  const int slot = AddIndexNowEngine("Beta");
  StartOnlineRegistration(program);
  KeyFileFound();
  auto pending = t.http.pending.front();
  StopOnlineRegistration(program);
  EXPECT_TRUE(t.http.pending.empty());
  pending.done({200, "", ""});
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kNotSubmitted);
}

}  // namespace
}  // namespace zentrova::testing
