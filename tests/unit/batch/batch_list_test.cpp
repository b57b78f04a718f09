#include "batch/batch_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "batch/session_batch.h"
#include "submission/run_controller.h"
#include "support/session_file_builder.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using Rows = std::vector<std::string>;

class BatchListTest : public ::testing::Test {
 protected:
  Program& program() { return test.program; }
  const Rows& rows() { return test.program.batch.sessions; }
  void SetRows(const Rows& sessions, int current) {
    program().batch.sessions = sessions;
    program().batch.currentRow = current;
  }

  testing::TestProgram test;
};

TEST_F(BatchListTest, FileKeepsEveryRowIncludingEmptyOnes) {
  const Rows sessions{"/home/user/SESSIONS/one.ses", "", "/home/user/my sessions/Two.ses", ""};
  SetRows(sessions, 0);
  SaveBatchList(program());
  EXPECT_EQ(testing::ReadFileBytes(test.AppPath("batch.lst")),
            "/home/user/SESSIONS/one.ses\r\n\r\n/home/user/my sessions/Two.ses\r\n\r\n");

  testing::TestProgram reloaded;
  std::filesystem::copy_file(test.AppPath("batch.lst"), reloaded.AppPath("batch.lst"));
  LoadBatchList(reloaded.program);
  EXPECT_EQ(reloaded.program.batch.sessions, sessions);

  // Nothing is left beside the list.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(test.root / "app"),
                          std::filesystem::directory_iterator()),
            3);
}

TEST_F(BatchListTest, LoadTakesLinesEndedByLineFeedOrByNothing) {
  testing::WriteFileBytes(test.AppPath("batch.lst"), "/a.ses\n\n/b.ses\r\n/c.ses");
  LoadBatchList(program());
  EXPECT_EQ(rows(), (Rows{"/a.ses", "", "/b.ses", "/c.ses"}));
}

TEST_F(BatchListTest, MissingFileGivesAnEmptyListAndEmptyListAnEmptyFile) {
  LoadBatchList(program());
  EXPECT_TRUE(rows().empty());
  SaveBatchList(program());
  EXPECT_TRUE(std::filesystem::exists(test.AppPath("batch.lst")));
  EXPECT_EQ(testing::ReadFileBytes(test.AppPath("batch.lst")), "");
}

TEST_F(BatchListTest, AddEntryAddsOnlyPathsNotListedYet) {
  SetRows({"/s/one.ses"}, 0);
  AddBatchEntry(program(), "/s/one.ses");
  AddBatchEntry(program(), "/s/ONE.ses");
  AddBatchEntry(program(), "/s/two.ses");
  EXPECT_EQ(rows(), (Rows{"/s/one.ses", "/s/ONE.ses", "/s/two.ses"}));
  EXPECT_EQ(program().batch.currentRow, 0);
}

TEST_F(BatchListTest, AddSessionChecksTheFileItWasGiven) {
  testing::SessionFileContent fit;
  fit.engines = testing::UnsubmittedEngines({"Alpha Search"});
  fit.queue = {"Alpha Search"};
  testing::SessionFileContent old = fit;
  old.signature = 999;
  const std::string fitPath = test.AppPath("SESSIONS/fit.ses");
  const std::string oldPath = test.AppPath("SESSIONS/old.ses");
  testing::WriteFileBytes(fitPath, testing::SessionFileBytes(fit));
  testing::WriteFileBytes(oldPath, testing::SessionFileBytes(old));

  AddSessionToBatch(program());  // cancelled
  test.dialogs.openAnswers = {oldPath, fitPath};
  AddSessionToBatch(program());
  AddSessionToBatch(program());
  EXPECT_EQ(rows(), Rows{fitPath});
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text,
            "This Session file has empty Queue. Load this Session into program. Go to Queue "
            "Screen. Select and Move some Search Engines into Online Queue. Save Session. Add "
            "Session file into Session Batch Promotion again.");
  EXPECT_EQ(test.dialogs.messages[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(test.dialogs.messages[0].title, "Zentrova");
}

TEST_F(BatchListTest, RemoveAndMoveKeepACurrentRowInsideTheList) {
  struct Case {
    void (*command)(Program&);
    Rows before;
    int current;
    Rows after;
    int newCurrent;
  };
  const Rows abc{"a", "b", "c"};
  const Case cases[] = {
      {RemoveBatchSession, abc, 1, {"a", "c"}, 1},
      {RemoveBatchSession, abc, 2, {"a", "b"}, 1},
      {RemoveBatchSession, {"a"}, 0, {}, -1},
      {RemoveBatchSession, abc, -1, abc, -1},
      {MoveBatchSessionUp, abc, 1, {"b", "a", "c"}, 0},
      {MoveBatchSessionUp, abc, 0, abc, 0},
      {MoveBatchSessionDown, abc, 1, {"a", "c", "b"}, 2},
      {MoveBatchSessionDown, abc, 2, abc, 2},
      {MoveBatchSessionDown, abc, -1, abc, -1},
  };
  for (const Case& c : cases) {
    SetRows(c.before, c.current);
    c.command(program());
    EXPECT_EQ(rows(), c.after);
    EXPECT_EQ(program().batch.currentRow, c.newCurrent);
  }
}

TEST_F(BatchListTest, RemoveAllAsksFirstAndOnlyWhenThereIsSomethingToRemove) {
  RemoveAllBatchSessions(program());
  EXPECT_TRUE(test.dialogs.messages.empty());

  SetRows({"a", "b"}, 1);
  test.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
  RemoveAllBatchSessions(program());
  EXPECT_EQ(rows().size(), 2u);
  RemoveAllBatchSessions(program());
  EXPECT_TRUE(rows().empty());
  EXPECT_EQ(program().batch.currentRow, -1);
  ASSERT_EQ(test.dialogs.messages.size(), 2u);
  EXPECT_EQ(test.dialogs.messages[0].text, "Do you want to remove all Sessions from the list?");
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::Question);
}

TEST_F(BatchListTest, ListStaysAsItIsWhileABatchRuns) {
  SetRows({"a", "b"}, 1);
  SetBusyControls(program(), kBatchActivity, true);
  RemoveBatchSession(program());
  MoveBatchSessionUp(program());
  RemoveAllBatchSessions(program());
  AddSessionToBatch(program());
  EXPECT_EQ(rows(), (Rows{"a", "b"}));
  EXPECT_TRUE(test.dialogs.messages.empty());
  EXPECT_TRUE(test.dialogs.openRequests.empty());
}

}  // namespace
}  // namespace zentrova
