#include "batch/session_batch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "batch/session_queue_count.h"
#include "engines/engine_lists.h"
#include "program/wiring.h"
#include "session/session_file.h"
#include "support/session_file_builder.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using Texts = std::vector<std::string>;

constexpr char kUnfitText[] =
    "This Session file is no longer exist or it has empty Promotion Queue. Load this Session "
    "into program. Go to Queue Screen. Select and Move some Search Engines into Online Queue. "
    "Save Session. Run Session Batch again.";

void AddEngines(Program& program) {
  const struct {
    const char* name;
    int kind;
  } engines[] = {{"Alpha Search", kSearchEngine}, {"Beta Directory", kDirectory}};
  for (const auto& source : engines) {
    EngineRecord engine;
    engine.name = source.name;
    engine.kind = source.kind;
    engine.method = kGet;
    engine.actionUrl = "http://engines.example/add";
    engine.fieldCount = 1;
    engine.fieldNames[1] = "url";
    engine.fieldValues[1] = "%001";
    engine.successMarker = "Thank you";
    program.database.AddEngine(engine);
  }
}

class SessionBatchTest : public ::testing::Test {
 protected:
  SessionBatchTest() {
    AddEngines(program());
    ConnectPorts(program());
    FillEngineLists(program());
    program().views.Subscribe([this](View view) {
      const std::string& status = program().batch.statusText;
      if (view == View::Batch && status != lastStatus) {
        statuses.push_back(status);
        lastStatus = status;
      }
    });
  }

  Program& program() { return test.program; }

  std::string SessionFile(const std::string& name, const std::string& address, const Texts& queue) {
    testing::SessionFileContent content;
    content.profile[1] = address;
    content.engines = testing::UnsubmittedEngines({"Alpha Search", "Beta Directory"});
    content.queue = queue;
    const std::string path = test.AppPath("SESSIONS/" + name);
    testing::WriteFileBytes(path, testing::SessionFileBytes(content));
    return path;
  }

  // Plays the engines' side: every submission gets a page that thanks for it.
  void ReplyToSubmissions(int replies) {
    for (int i = 0; i < replies && program().run.browserTask == kAwaitingReply; ++i) {
      test.browser.CompleteNavigation("http://engines.example/thanks", "Thank you");
    }
  }

  // Registration results a session file holds, read back by a program of its own.
  std::vector<int> ResultsIn(const std::string& path) {
    testing::TestProgram reader;
    AddEngines(reader.program);
    FillEngineLists(reader.program);
    ReadSession(reader.program, path, false);
    return {reader.program.database.Engine(1).RegistrationStatus(),
            reader.program.database.Engine(2).RegistrationStatus()};
  }

  bool ControlsFree() {
    const BusyControls& busy = program().busy;
    return busy.runBatch && !busy.batchStop && busy.batchFrame && busy.runRegistration &&
           busy.extractFromWeb && !BatchRunning(program());
  }

  testing::TestProgram test;
  Texts statuses;
  std::string lastStatus = "Inactive";
};

TEST_F(SessionBatchTest, RunsEverySessionInTurnAndWritesItsResultsIntoItsOwnFile) {
  const std::string one =
      SessionFile("one.ses", "http://one.example", {"Alpha Search", "Beta Directory"});
  const std::string two = SessionFile("two.ses", "http://two.example", {"Alpha Search"});
  const std::string three = SessionFile("three.ses", "http://three.example", {"Beta Directory"});
  program().batch.sessions = {one, two, three};

  RunSessionBatch(program());
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text,
            "Do you want to run Session Batch now? If Yes, Please, connect to Internet and press "
            "'Yes'.");
  EXPECT_TRUE(program().busy.batchStop);
  EXPECT_FALSE(program().busy.runRegistration);
  ReplyToSubmissions(10);

  EXPECT_EQ(statuses,
            (Texts{"Processing Session 1 of 3 - " + one, "Processing Session 2 of 3 - " + two,
                   "Processing Session 3 of 3 - " + three, "Batch completed. Total Sessions - 3"}));
  EXPECT_TRUE(ControlsFree());
  // No service page during a batch, and each session submitted its own page.
  EXPECT_TRUE(test.browser.navigations.empty());
  ASSERT_EQ(test.browser.submissions.size(), 4u);
  EXPECT_EQ(testing::FieldValue(test.browser.submissions[1].fields, "url"), "http://one.example");
  EXPECT_EQ(testing::FieldValue(test.browser.submissions[2].fields, "url"), "http://two.example");
  EXPECT_EQ(testing::FieldValue(test.browser.submissions[3].fields, "url"), "http://three.example");

  EXPECT_EQ(ResultsIn(one), (std::vector<int>{kSuccessful, kSuccessful}));
  EXPECT_EQ(ResultsIn(two), (std::vector<int>{kSuccessful, kNotSubmitted}));
  EXPECT_EQ(ResultsIn(three), (std::vector<int>{kNotSubmitted, kSuccessful}));
  for (const std::string& path : {one, two, three}) {
    EXPECT_EQ(SessionQueueCount(path), -1) << path;
  }
}

TEST_F(SessionBatchTest, StopEndsTheBatchAndTheSubmissionInProcess) {
  const std::string one = SessionFile("one.ses", "http://one.example", {"Alpha Search"});
  const std::string two =
      SessionFile("two.ses", "http://two.example", {"Alpha Search", "Beta Directory"});
  const std::string three = SessionFile("three.ses", "http://three.example", {"Alpha Search"});
  const std::string twoBefore = testing::ReadFileBytes(two);
  program().batch.sessions = {one, two, three};
  RunSessionBatch(program());
  ReplyToSubmissions(1);
  ASSERT_EQ(statuses.back(), "Processing Session 2 of 3 - " + two);

  StopSessionBatch(program());
  EXPECT_EQ(statuses.back(), "Batch completed. Total Sessions - 1");
  EXPECT_EQ(test.browser.stopCount, 1);
  EXPECT_TRUE(ControlsFree());

  // Neither the time-out nor a late reply carries the stopped session on.
  const size_t pages = test.browser.submissions.size();
  test.replyTimer.SetEnabled(true);
  test.replyTimer.Fire();
  test.browser.CompleteNavigation("http://engines.example/thanks", "Thank you");
  EXPECT_EQ(test.browser.submissions.size(), pages);
  EXPECT_TRUE(ControlsFree());
  EXPECT_EQ(ResultsIn(one), (std::vector<int>{kSuccessful, kNotSubmitted}));
  EXPECT_EQ(testing::ReadFileBytes(two), twoBefore);
}

TEST_F(SessionBatchTest, EmptyListCompletesAtOnceAfterTheQuestion) {
  test.dialogs.answers = {MessageAnswer::No};
  RunSessionBatch(program());
  EXPECT_TRUE(statuses.empty());
  EXPECT_FALSE(program().run.onlineConfirmed);

  RunSessionBatch(program());
  EXPECT_EQ(statuses, Texts{"Batch completed. Total Sessions - 0"});
  EXPECT_TRUE(ControlsFree());
  EXPECT_TRUE(program().run.onlineConfirmed);
  EXPECT_EQ(test.dialogs.messages.size(), 2u);
}

TEST_F(SessionBatchTest, UnsavedOpenSessionIsOfferedForSavingFirst) {
  const std::string one = SessionFile("one.ses", "http://one.example", {"Alpha Search"});
  program().batch.sessions = {one};
  program().session.saved = false;
  test.dialogs.answers = {MessageAnswer::Cancel};
  RunSessionBatch(program());
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, "Do you want to save current session?");
  EXPECT_TRUE(statuses.empty());
  EXPECT_TRUE(test.browser.submissions.empty());
  EXPECT_EQ(program().session.currentFile, kNewSessionFile);
}

TEST_F(SessionBatchTest, UnfitFileStopsTheBatchBeforeAnythingRuns) {
  const std::string one = SessionFile("one.ses", "http://one.example", {"Alpha Search"});
  const std::string empty = SessionFile("empty.ses", "http://two.example", {});
  const std::string missing = test.AppPath("SESSIONS/gone.ses");
  program().batch.sessions = {one, empty, missing};

  RunSessionBatch(program());
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, empty + "\r\n" + kUnfitText);
  EXPECT_EQ(test.dialogs.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::None);
  EXPECT_TRUE(test.browser.submissions.empty());
  EXPECT_TRUE(statuses.empty());
  EXPECT_TRUE(ControlsFree());
}

TEST_F(SessionBatchTest, FileSpoiledDuringTheBatchIsNeitherRunNorOverwritten) {
  const std::string one = SessionFile("one.ses", "http://one.example", {"Alpha Search"});
  const std::string two = SessionFile("two.ses", "http://two.example", {"Alpha Search"});
  program().batch.sessions = {one, two};
  RunSessionBatch(program());
  testing::WriteFileBytes(two, "not a session any more");
  ReplyToSubmissions(1);

  EXPECT_EQ(statuses.back(), "Batch completed. Total Sessions - 1");
  EXPECT_EQ(test.dialogs.messages.back().text, two + "\r\n" + kUnfitText);
  EXPECT_EQ(testing::ReadFileBytes(two), "not a session any more");
  EXPECT_EQ(ResultsIn(one), (std::vector<int>{kSuccessful, kNotSubmitted}));
  EXPECT_TRUE(ControlsFree());
}

}  // namespace
}  // namespace zentrova
