#include "submission/run_controller.h"

#include <gtest/gtest.h>

#include "engines/engine_lists.h"
#include "run_fixture.h"
#include "submission/log_pages.h"

namespace zentrova::testing {
namespace {

using Texts = std::vector<std::string>;

class RunControllerTest : public RunFixture {};

TEST_F(RunControllerTest, SubmitsTheQueueInAlphabeticalOrderAndEmptiesIt) {
  const int zeta = AddEngine("zeta");
  const int alpha = AddEngine("Alpha");
  const int beta = AddEngine("beta");
  AddEngine("Omega", kSearchEngine, /*queued=*/false);
  program.session.editor.boxText[kPageAddress] = "http://my.site/";

  StartOnlineRegistration(program);
  EXPECT_FALSE(program.busy.runRegistration);
  EXPECT_TRUE(program.busy.registrationStop);
  ReplyToAll("Thank you for your submission");

  EXPECT_EQ(SubmittedEngines(), (Texts{"Alpha", "beta", "zeta"}));
  // The run collected the editing view before the first form was built.
  EXPECT_EQ(SubmittedAddresses(), (Texts(3, "http://my.site/")));
  for (const int slot : {alpha, beta, zeta}) {
    EXPECT_EQ(Engine(slot).RegistrationStatus(), kSuccessful) << Engine(slot).name;
    EXPECT_FALSE(Queued(slot));
  }
  EXPECT_EQ(program.engineLists.engineList.MarkedCount(), 0);
  EXPECT_EQ(program.engineLists.status.ready, "0");
  EXPECT_EQ(program.engineLists.status.successful, "3");
  EXPECT_TRUE(program.busy.runRegistration);
  EXPECT_FALSE(program.busy.registrationStop);
  EXPECT_EQ(program.progress.engineInProcess, "");
  EXPECT_FALSE(t.replyTimer.enabled);
}

TEST_F(RunControllerTest, ProgressPanelFollowsTheSubmission) {
  const int slot = AddEngine("Alpha");
  t.clock.date = "03-04-2027";
  t.clock.time = "09:15:00";
  StartOnlineRegistration(program);

  EXPECT_EQ(program.progress.engineInProcess, "Alpha");
  EXPECT_EQ(program.progress.currentDate, "03-04-2027");
  EXPECT_EQ(program.progress.startedTime, "09:15:00");
  EXPECT_EQ(program.progress.lamps, (std::array<bool, 4>{true, true, false, false}));
  EXPECT_TRUE(t.clockTimer.enabled);
  EXPECT_TRUE(t.replyTimer.enabled);
  t.clock.time = "09:15:01";
  t.clockTimer.Fire();
  EXPECT_EQ(program.progress.currentTime, "09:15:01");

  // A reply before the next tick still records when it came, never "00:00:00".
  t.clock.time = "09:15:02";
  Reply("Thank you");
  EXPECT_EQ(Engine(slot).runDate, "03-04-2027");
  EXPECT_EQ(Engine(slot).startedAt, "09:15:00");
  EXPECT_EQ(Engine(slot).finishedAt, "09:15:02");
  EXPECT_FALSE(t.clockTimer.enabled);
  EXPECT_EQ(program.progress.startedTime, "00:00:00");
}

TEST_F(RunControllerTest, SkipsSuccessfulAndAdultRefusingEnginesAsTheBoxesReadAtEachChoice) {
  const int done = AddEngine("Alpha");
  const int plain = AddEngine("Beta");
  const int refuses = AddEngine("Gamma");
  Engine(done).RegistrationStatus() = kSuccessful;
  Engine(refuses).noAdult = true;
  Engine(refuses).RegistrationStatus() = kFailed;
  program.session.editor.check3 = kChecked;

  StartOnlineRegistration(program);
  // Ticked while the run is under way: it counts for the engines chosen from now on.
  program.session.editor.check4 = kChecked;
  ReplyToAll("Thank you");

  EXPECT_EQ(SubmittedEngines(), (Texts{"Beta"}));
  EXPECT_FALSE(Queued(done));
  EXPECT_FALSE(Queued(refuses));
  EXPECT_EQ(Engine(done).RegistrationStatus(), kSuccessful);
  EXPECT_EQ(Engine(refuses).RegistrationStatus(), kFailed);
  EXPECT_EQ(Engine(plain).RegistrationStatus(), kSuccessful);
}

TEST_F(RunControllerTest, DeepPromotionSendsTheFirstTwentyFiveLinksLastFirstToSearchEnginesOnly) {
  const int directory = AddEngine("Catalog", kDirectory);
  const int search = AddEngine("Finder", kSearchEngine);
  for (int i = 1; i <= 30; ++i) {
    program.deepPromotion.links.push_back("http://my.site/page" + std::to_string(i));
  }
  program.session.editor.boxText[kPageAddress] = "http://my.site/";
  program.session.editor.check5 = kChecked;

  StartOnlineRegistration(program);
  ReplyToAll("Thank you");

  std::vector<std::string> expectedEngines(27, "Finder");
  expectedEngines[0] = "Catalog";
  EXPECT_EQ(SubmittedEngines(), expectedEngines);
  std::vector<std::string> expectedAddresses = {"http://my.site/", "http://my.site/"};
  for (int i = 25; i >= 1; --i) {
    expectedAddresses.push_back("http://my.site/page" + std::to_string(i));
  }
  EXPECT_EQ(SubmittedAddresses(), expectedAddresses);
  EXPECT_EQ(Engine(search).DeepLinkStatus(), kSuccessful);
  EXPECT_EQ(Engine(directory).DeepLinkStatus(), kNotSubmitted);
  EXPECT_EQ(program.run.deepLinkCounter, 0);
}

TEST_F(RunControllerTest, DeepLinksFollowTheRepeatRuleOfTheMainPage) {
  struct Case {
    bool doNotRepeat;
    ResultCode deepLinkStatus;
    size_t submissions;  // main page plus deep links
  };
  const Case cases[] = {
      {true, kSuccessful, 1},    // all went through before
      {true, kNotSubmitted, 3},  // a fresh engine
      {true, kFailed, 3},        // one failed before
      {false, kSuccessful, 3},
  };
  const int slot = AddEngine("Finder");
  program.deepPromotion.links = {"http://my.site/a", "http://my.site/b"};
  program.session.editor.check5 = kChecked;
  for (const auto& c : cases) {
    Engine(slot).results = {c.deepLinkStatus, kNotSubmitted};
    program.engineLists.engineList.SetMarked(0, true);
    program.session.editor.check3 = c.doNotRepeat ? kChecked : kUnchecked;
    t.browser.submissions.clear();
    StartOnlineRegistration(program);
    ReplyToAll("Thank you");
    EXPECT_EQ(t.browser.submissions.size(), c.submissions)
        << "do not repeat " << c.doNotRepeat << ", deep link status " << c.deepLinkStatus;
  }
}

TEST_F(RunControllerTest, TimeOutFailsTheSubmissionWithoutReplyFileAndALateReplyIsIgnored) {
  const int slot = AddEngine("Alpha");
  StartOnlineRegistration(program);
  EXPECT_EQ(t.replyTimer.interval, kReplyTimeoutMilliseconds);

  t.replyTimer.Fire();
  EXPECT_EQ(t.browser.stopCount, 1);
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_FALSE(ReplyFileExists("Alpha"));
  EXPECT_TRUE(program.busy.runRegistration);

  Reply("Thank you");
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_EQ(t.browser.submissions.size(), 1u);
}

TEST_F(RunControllerTest, AnEndedRunSaysHowItWentAndPutsThePanelAtRest) {
  AddEngine("Alpha");
  const int beta = AddEngine("Beta");
  AddEngine("Gamma");
  program.deepPromotion.links = {"http://my.site/a", "http://my.site/b"};
  UpdateQueueStatus(program);
  EXPECT_EQ(program.progress.deepLinkCount, "2");

  StartOnlineRegistration(program);
  // A refresh of the counters mid-run leaves the run's own count alone.
  UpdateQueueStatus(program);
  EXPECT_EQ(program.progress.deepLinkCount, "0");
  Reply("Thank you");
  Reply("Error");
  Reply("Thank you");

  EXPECT_EQ(program.window.statusHint, "Online Registration completed: 2 successful, 1 failed");
  EXPECT_EQ(program.progress.lamps, (std::array<bool, 4>{}));
  EXPECT_FALSE(t.clockTimer.enabled);
  EXPECT_EQ(program.progress.engineInProcess + program.progress.linkInProcess, "");
  EXPECT_EQ(program.progress.deepLinkCount, "2");

  // The next run counts its own verdicts only.
  program.engineLists.engineList.SetMarked(program.engineLists.engineList.FindData(beta), true);
  StartOnlineRegistration(program);
  Reply("Thank you");
  EXPECT_EQ(program.window.statusHint, "Online Registration completed: 1 successful, 0 failed");
}

TEST_F(RunControllerTest, StopStopsTheClockAtItsLastTickAndSaysWhatTheRunGot) {
  AddEngine("Alpha");
  AddEngine("Beta");
  StartOnlineRegistration(program);
  Reply("Thank you");
  t.clock.time = "10:00:05";
  t.clockTimer.Fire();
  StopOnlineRegistration(program);

  EXPECT_FALSE(t.clockTimer.enabled);
  EXPECT_EQ(program.progress.currentTime, "10:00:05");
  EXPECT_EQ(program.progress.lamps, (std::array<bool, 4>{}));
  EXPECT_EQ(program.window.statusHint, "Online Registration stopped: 1 successful, 0 failed");
}

TEST_F(RunControllerTest, OnlyTheFirstCompletedNavigationIsJudged) {
  const int slot = AddEngine("Alpha");
  StartOnlineRegistration(program);
  Reply("Please wait, redirecting");
  Reply("Thank you", 200, "http://reply.test/final");
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_EQ(ReplyFile("Alpha"), "Please wait, redirecting");
}

TEST_F(RunControllerTest, TwoFailuresKeepOnlyTheSecondReplyText) {
  AddEngine("Alpha");
  StartOnlineRegistration(program);
  Reply("Error: the first reply was rather long");
  program.engineLists.engineList.SetMarked(0, true);
  StartOnlineRegistration(program);
  Reply("Error 2");
  EXPECT_EQ(ReplyFile("Alpha"), "Error 2");
}

TEST_F(RunControllerTest, StopKeepsTheQueueAndIgnoresTheReplyStillOnItsWay) {
  const int alpha = AddEngine("Alpha");
  const int beta = AddEngine("Beta");
  StartOnlineRegistration(program);
  StopOnlineRegistration(program);

  EXPECT_EQ(program.run.browserTask, kBrowserStopped);
  EXPECT_EQ(program.run.deepLinkCounter, -1);
  EXPECT_TRUE(Queued(alpha));
  EXPECT_TRUE(Queued(beta));
  EXPECT_FALSE(t.replyTimer.enabled);
  EXPECT_TRUE(program.busy.runRegistration);
  EXPECT_FALSE(program.busy.registrationStop);
  EXPECT_EQ(program.progress.engineInProcess, "");

  Reply("Thank you");
  t.replyTimer.Fire();
  EXPECT_EQ(Engine(alpha).RegistrationStatus(), kNotSubmitted);
  EXPECT_EQ(t.browser.submissions.size(), 1u);

  // A new start begins again with the first queued engine.
  StartOnlineRegistration(program);
  ReplyToAll("Thank you");
  EXPECT_EQ(SubmittedEngines(), (Texts{"Alpha", "Alpha", "Beta"}));
}

TEST_F(RunControllerTest, StopDuringDeepPromotionKeepsTheLinkInProcess) {
  AddEngine("Finder");
  program.deepPromotion.links = {"http://my.site/a", "http://my.site/b", "http://my.site/c"};
  program.session.editor.check5 = kChecked;
  StartOnlineRegistration(program);
  Reply("Thank you");
  Reply("Thank you");
  ASSERT_EQ(program.run.deepLinkCounter, 2);
  StopOnlineRegistration(program);
  EXPECT_EQ(program.run.deepLinkCounter, 2);
  EXPECT_TRUE(Queued(1));
}

TEST_F(RunControllerTest, AsksToGoOnlineOncePerProgramRunAndRefusesAnEmptyQueue) {
  program.run.onlineConfirmed = false;
  StartOnlineRegistration(program);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text, "Online Queue is Empty");
  EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(t.dialogs.messages[0].title, "Zentrova");

  const int slot = AddEngine("Alpha");
  t.dialogs.answers = {MessageAnswer::No};
  StartOnlineRegistration(program);
  ASSERT_EQ(t.dialogs.messages.size(), 2u);
  EXPECT_EQ(t.dialogs.messages[1].text,
            "Do you want to make Web Page Online Promotion Now? If Yes, Please, connect to "
            "Internet and press 'Yes'.");
  EXPECT_EQ(t.dialogs.messages[1].buttons, MessageButtons::YesNo);
  EXPECT_EQ(t.dialogs.messages[1].icon, MessageIcon::Question);
  EXPECT_TRUE(t.browser.submissions.empty());
  EXPECT_TRUE(program.busy.runRegistration);

  StartOnlineRegistration(program);  // answered Yes
  ReplyToAll("Thank you");
  program.engineLists.engineList.SetMarked(program.engineLists.engineList.FindData(slot), true);
  StartOnlineRegistration(program);
  ReplyToAll("Thank you");
  EXPECT_EQ(t.dialogs.messages.size(), 3u);
  EXPECT_EQ(t.browser.submissions.size(), 2u);
}

TEST_F(RunControllerTest, RecordResultKeepsAFailedDeepLinkFailed) {
  struct Case {
    RunPhase phase;
    ResultCode code;
    bool earlierLinkRecorded;          // another deep link of the engine got its verdict before
    std::array<ResultCode, 2> before;  // {DeepLinkStatus, RegistrationStatus}
    std::array<ResultCode, 2> after;
  };
  const Case cases[] = {
      {kMainPagePhase, kSuccessful, false, {kFailed, kFailed}, {kFailed, kSuccessful}},
      {kMainPagePhase, kFailed, false, {kSuccessful, kSuccessful}, {kSuccessful, kFailed}},
      {kDeepLinkPhase,
       kSuccessful,
       false,
       {kNotSubmitted, kSuccessful},
       {kSuccessful, kSuccessful}},
      // The first link's verdict replaces what an earlier run left.
      {kDeepLinkPhase, kSuccessful, false, {kFailed, kSuccessful}, {kSuccessful, kSuccessful}},
      {kDeepLinkPhase, kSuccessful, true, {kFailed, kSuccessful}, {kFailed, kSuccessful}},
      {kDeepLinkPhase, kSuccessful, true, {kSuccessful, kSuccessful}, {kSuccessful, kSuccessful}},
      {kDeepLinkPhase, kFailed, true, {kSuccessful, kSuccessful}, {kFailed, kSuccessful}},
  };
  const int slot = AddEngine("Alpha");
  program.run.currentEngine = slot;
  for (const auto& c : cases) {
    Engine(slot).results = c.before;
    program.run.deepLinkVerdictTaken = c.earlierLinkRecorded;
    RecordResult(program, c.phase, c.code);
    EXPECT_EQ(Engine(slot).results, c.after)
        << "phase " << c.phase << " code " << c.code << " earlier " << c.earlierLinkRecorded;
  }
}

TEST_F(RunControllerTest, StopWhileAnEngineIsSubmittedAgainKeepsItsEarlierResults) {
  const int slot = AddEngine("Finder");
  Engine(slot).results = {kFailed, kFailed};
  program.deepPromotion.links = {"http://my.site/a", "http://my.site/b"};
  program.session.editor.check5 = kChecked;

  StartOnlineRegistration(program);
  StopOnlineRegistration(program);
  EXPECT_EQ(Engine(slot).results, (std::array<ResultCode, 2>{kFailed, kFailed}));

  program.engineLists.engineList.SetMarked(0, true);
  StartOnlineRegistration(program);
  Reply("Thank you");
  ASSERT_GT(program.run.deepLinkCounter, 0);
  StopOnlineRegistration(program);
  EXPECT_EQ(Engine(slot).results, (std::array<ResultCode, 2>{kFailed, kSuccessful}));

  // A whole new pass gives the deep-link result this run's verdicts only.
  program.engineLists.engineList.SetMarked(0, true);
  StartOnlineRegistration(program);
  ReplyToAll("Thank you");
  EXPECT_EQ(Engine(slot).results, (std::array<ResultCode, 2>{kSuccessful, kSuccessful}));
}

TEST_F(RunControllerTest, BusyControlsLeaveOnlyTheRunningActivitysStop) {
  AddEngine("Alpha");
  program.reports.statusList.SetCurrentRow(0);
  UpdateGoToEngineButton(program);
  for (const Activity activity : {kBatchActivity, kRegistrationActivity, kExtractionActivity}) {
    SetBusyControls(program, activity, true);
    const BusyControls& b = program.busy;
    EXPECT_FALSE(b.runBatch || b.runRegistration || b.extractFromWeb || b.batchFrame ||
                 b.deepPromotionFrame || b.loadList || b.saveList || b.goToEngineAllowed);
    EXPECT_EQ(b.batchStop, activity == kBatchActivity);
    EXPECT_EQ(b.registrationStop, activity == kRegistrationActivity);
    EXPECT_EQ(b.extractStop, activity == kExtractionActivity);
    EXPECT_FALSE(program.reports.goToEngineEnabled);

    SetBusyControls(program, activity, false);
    EXPECT_TRUE(b.runBatch && b.runRegistration && b.extractFromWeb && b.batchFrame &&
                b.deepPromotionFrame && b.loadList && b.saveList && b.goToEngineAllowed);
    EXPECT_FALSE(b.batchStop || b.registrationStop || b.extractStop);
    EXPECT_TRUE(program.reports.goToEngineEnabled);
  }
}

TEST_F(RunControllerTest, ConnectedTimersStartDisabledWithTheirIntervals) {
  EXPECT_EQ(t.replyTimer.interval, 30000);
  EXPECT_EQ(t.clockTimer.interval, 1000);
  EXPECT_FALSE(t.replyTimer.enabled);
  EXPECT_FALSE(t.clockTimer.enabled);
}

}  // namespace
}  // namespace zentrova::testing
