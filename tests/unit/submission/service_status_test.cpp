#include "submission/service_status.h"

#include <gtest/gtest.h>

#include "run_fixture.h"
#include "text/string_table.h"

namespace zentrova::testing {
namespace {

// The page as the service sends it: the enciphered text and 20 characters of filler.
std::string ServicePage(const std::string& text) {
  return ApplyServiceKey(text) + std::string(20, 'z');
}

class ServiceStatusTest : public RunFixture {
 protected:
  ServiceStatusTest() {
    program.run.serviceChecked = false;
    alpha = AddEngine("Alpha");
    beta = AddEngine("Beta");
    betamax = AddEngine("Betamax");
    gamma = AddEngine("Gamma");
  }
  void StartAndAnswer(const std::string& text) {
    StartOnlineRegistration(program);
    ASSERT_EQ(program.run.browserTask, kServiceStatusRequested);
    Reply(ServicePage(text), 200, "http://service.test/status");
  }
  int alpha = 0, beta = 0, betamax = 0, gamma = 0;
};

TEST(DecipherServiceText, DropsTheFillerOfLongPagesOnly) {
  const std::string text = "1.0;,Finder,Catalog,";
  EXPECT_EQ(DecipherServiceText(ApplyServiceKey(text) + std::string(20, '#')), text);
  // Under 22 characters there is no filler to drop.
  EXPECT_EQ(DecipherServiceText(ApplyServiceKey("W") + std::string(19, '#')).front(), 'W');
  EXPECT_EQ(DecipherServiceText(ApplyServiceKey("x;,A,")), "x;,A,");
  EXPECT_EQ(DecipherServiceText(""), "");
}

TEST(DecipherServiceText, ReadsThePagePublishedForTheService) {
  // The example of data/README.md: what the service side produces must keep deciphering.
  const std::string page =
      "\x23\x2B\x2A\x37\x32\x4F\x7F\x7F\x61\x7F\x7E\x32\x4A\x77\x65\x64\x76\x63\x79\x25" +
      std::string(20, '-');
  EXPECT_EQ(DecipherServiceText(page), "2.0;,Finder,Catalog,");
}

TEST_F(ServiceStatusTest, IsRequestedAtTheFirstRunOnly) {
  StartAndAnswer("1.0;");
  ASSERT_EQ(t.browser.navigations.size(), 1u);
  EXPECT_EQ(t.browser.navigations[0], ServiceStatusUrl(program));
  ReplyToAll("Thank you");
  program.engineLists.engineList.SetMarked(0, true);
  StartOnlineRegistration(program);
  EXPECT_EQ(t.browser.navigations.size(), 1u);
  EXPECT_EQ(program.run.browserTask, kAwaitingReply);
}

TEST_F(ServiceStatusTest, ThePanelSaysTheServiceIsBeingAskedUntilItAnswers) {
  StartOnlineRegistration(program);
  EXPECT_EQ(program.progress.engineInProcess, "Checking service status...");
  Reply(ServicePage("1.0;"), 200, "http://service.test/status");
  EXPECT_EQ(program.progress.engineInProcess, "Alpha");
}

TEST_F(ServiceStatusTest, WithdrawsExactlyTheListedEngines) {
  StartAndAnswer("1.0;,Beta,Gamma,");
  EXPECT_FALSE(Queued(beta));
  EXPECT_FALSE(Queued(gamma));
  ReplyToAll("Thank you");
  EXPECT_EQ(SubmittedEngines(), (std::vector<std::string>{"Alpha", "Betamax"}));
  EXPECT_EQ(Engine(beta).RegistrationStatus(), kNotSubmitted);
}

TEST_F(ServiceStatusTest, APageInNoKnownFormWithdrawsNothing) {
  for (const std::string text : {"hello, Beta, Gamma", ""}) {
    SCOPED_TRACE(text);
    program.run.serviceChecked = false;
    t.browser.submissions.clear();
    for (int row = 0; row < 4; ++row) {
      program.engineLists.engineList.SetMarked(row, true);
    }
    StartAndAnswer(text);
    ReplyToAll("Thank you");
    EXPECT_EQ(SubmittedEngines(), (std::vector<std::string>{"Alpha", "Beta", "Betamax", "Gamma"}));
  }
}

TEST_F(ServiceStatusTest, UpgradeNoticeEndsTheRunBeforeAnySubmission) {
  StartAndAnswer("W;,Beta,");
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text,
            "You have the old version of the program, please download the latest upgrade from "
            "our Web Site.");
  EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
  EXPECT_TRUE(t.browser.submissions.empty());
  EXPECT_EQ(program.engineLists.engineList.MarkedCount(), 4);
  EXPECT_TRUE(program.busy.runRegistration);
  EXPECT_FALSE(t.replyTimer.enabled);
  EXPECT_EQ(t.exitCount, 0);
}

TEST_F(ServiceStatusTest, UnsupportedNoticeEndsTheProgram) {
  StartAndAnswer("S");
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text,
            "You have old version of program, please download latest version from our Web "
            "Site.");
  EXPECT_EQ(t.exitCount, 1);
  EXPECT_TRUE(t.browser.submissions.empty());
}

TEST_F(ServiceStatusTest, AnErrorPageOrAFailedLoadIsNoAnswerAndTheRunGoesOn) {
  // Each text would stop the run, end the program or withdraw an engine if it counted.
  struct Case {
    const char* what;
    std::string text;
    int status;
    std::string failure;
  };
  const Case cases[] = {
      {"proxy error", "W", 502, ""},
      {"not found", "S", 404, ""},
      {"server error", "1.0;,Beta,", 500, ""},
      {"no connection", "W", 0, "net::ERR_NAME_NOT_RESOLVED"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    program.run.serviceChecked = false;
    t.browser.submissions.clear();
    for (int row = 0; row < 4; ++row) {
      program.engineLists.engineList.SetMarked(row, true);
    }
    StartOnlineRegistration(program);
    ASSERT_EQ(program.run.browserTask, kServiceStatusRequested);
    if (c.failure.empty()) {
      Reply(ServicePage(c.text), c.status, "http://service.test/status");
    } else {
      t.browser.bodyText = ServicePage(c.text);
      t.browser.loadFailure = c.failure;
      t.browser.events.navigationCompleted("http://service.test/status", 0);
    }
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_EQ(t.exitCount, 0);
    ReplyToAll("Thank you");
    EXPECT_EQ(SubmittedEngines(), (std::vector<std::string>{"Alpha", "Beta", "Betamax", "Gamma"}));
  }
}

TEST_F(ServiceStatusTest, APageThatNeverComesLetsTheRunGoOnWithTheFirstEngine) {
  StartOnlineRegistration(program);
  ASSERT_TRUE(t.replyTimer.enabled);
  t.replyTimer.Fire();
  EXPECT_EQ(t.browser.stopCount, 1);
  EXPECT_EQ(SubmittedEngines(), (std::vector<std::string>{"Alpha"}));
  EXPECT_EQ(program.run.browserTask, kAwaitingReply);
  EXPECT_TRUE(t.replyTimer.enabled);
}

TEST_F(ServiceStatusTest, StopWhileWaitingIgnoresTheLatePage) {
  StartOnlineRegistration(program);
  StopOnlineRegistration(program);
  Reply(ServicePage("W"));
  t.replyTimer.Fire();
  EXPECT_TRUE(t.dialogs.messages.empty());
  EXPECT_TRUE(t.browser.submissions.empty());
}

}  // namespace
}  // namespace zentrova::testing
