#include "engines/engine_lists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engines/categories.h"
#include "support/test_program.h"
#include "unit/engines/engine_list_test_database.h"

namespace zentrova {
namespace {

using Names = std::vector<std::string>;
using testing::LoadTestEngines;
using testing::MarkedEngines;
using testing::MarkRows;
using testing::RowOf;
using testing::TestProgram;

const Names kAllRows = {"*Fresh Search", "*Nova Dir", "Alpha Links",
                        "Beta Search",   "Mid News",  "Zeta Search"};

class EngineListsTest : public ::testing::Test {
 protected:
  EngineListsTest() {
    LoadTestEngines(program(), {{"Zeta Search", kSearchEngine, false},
                                {"*Nova Dir", kDirectory, true},
                                {"Alpha Links", kLinkListing, false},
                                {"Mid News", kNews, false},
                                {"Beta Search", kSearchEngine, true},
                                {"*Fresh Search", kSearchEngine, false}});
    Engine("Zeta Search").RegistrationStatus() = kSuccessful;
    Engine("Alpha Links").RegistrationStatus() = kFailed;
    program().session.saved = true;
  }

  Program& program() { return test.program; }
  EngineRecord& Engine(const std::string& name) {
    return program().database.Engine(
        program().engineLists.engineList.Row(RowOf(program(), name)).data);
  }
  void Select(int code, bool select) {
    SelectEngineGroup(program(), program().engineLists.engineList, code, select);
  }

  TestProgram test;
};

TEST_F(EngineListsTest, FillKeepsRowsAlphabeticalWithTheirSlotsAndForgetsResults) {
  const SortedList& list = program().engineLists.engineList;
  ASSERT_EQ(list.Count(), 6);
  for (int index = 0; index < list.Count(); ++index) {
    EXPECT_EQ(list.Row(index).text, kAllRows[static_cast<size_t>(index)]);
    EXPECT_EQ(program().database.Engine(list.Row(index).data).name, list.Row(index).text);
    EXPECT_FALSE(list.Row(index).marked);
  }
  EXPECT_EQ(list.CurrentRow(), 0);
  EXPECT_EQ(program().reports.statusList.Count(), 6);

  program().deepPromotion.links = {"https://a.example/1"};
  FillEngineLists(program());
  EXPECT_TRUE(program().deepPromotion.links.empty());
  for (int slot = 1; slot <= program().database.EngineCount(); ++slot) {
    EXPECT_EQ(program().database.Engine(slot).RegistrationStatus(), kNotSubmitted);
  }
}

struct GroupCase {
  int code;
  Names selected;  // marked after selecting the group on an unmarked list
  Names cleared;   // still marked after clearing the group from a fully marked list
};

// Beta Search and *Nova Dir are Specialized; Zeta succeeded and Alpha failed.
const GroupCase kGroupCases[] = {
    {kGroupAllGeneral, {"*Fresh Search", "Alpha Links", "Mid News", "Zeta Search"}, {}},
    {kGroupNewEngines,
     {"*Fresh Search", "*Nova Dir"},
     {"Alpha Links", "Beta Search", "Mid News", "Zeta Search"}},
    {kGroupSearchEngines,
     {"*Fresh Search", "Zeta Search"},
     {"*Nova Dir", "Alpha Links", "Mid News"}},
    {kGroupDirectories,
     {},
     {"*Fresh Search", "Alpha Links", "Beta Search", "Mid News", "Zeta Search"}},
    {kGroupNews,
     {"Mid News"},
     {"*Fresh Search", "*Nova Dir", "Alpha Links", "Beta Search", "Zeta Search"}},
    {kGroupLinkListings,
     {"Alpha Links"},
     {"*Fresh Search", "*Nova Dir", "Beta Search", "Mid News", "Zeta Search"}},
    {kGroupNotRegisteredYet, {"*Fresh Search", "Alpha Links", "Mid News"}, {"Zeta Search"}},
    {kGroupFailed,
     {"Alpha Links"},
     {"*Fresh Search", "*Nova Dir", "Beta Search", "Mid News", "Zeta Search"}},
    {kGroupAlreadyRegistered,
     {"Zeta Search"},
     {"*Fresh Search", "*Nova Dir", "Alpha Links", "Beta Search", "Mid News"}},
};

TEST_F(EngineListsTest, EveryGroupSelectsAndClearsItsRows) {
  for (const GroupCase& c : kGroupCases) {
    SCOPED_TRACE(c.code);
    for (int index = 0; index < 6; ++index) {
      program().engineLists.engineList.SetMarked(index, false);
    }
    BeginGroupSelection(program(), true);
    ChooseEngineGroup(program(), c.code);
    EXPECT_EQ(MarkedEngines(program()), c.selected);

    MarkRows(program(), kAllRows);
    BeginGroupSelection(program(), false);
    ChooseEngineGroup(program(), c.code);
    EXPECT_EQ(MarkedEngines(program()), c.cleared);
  }
}

TEST_F(EngineListsTest, SelectAllOnlyAddsAndLeavesUnmarkedSpecializedEnginesOut) {
  MarkRows(program(), {"Beta Search", "Mid News"});
  Select(kGroupAllGeneral, true);
  EXPECT_EQ(MarkedEngines(program()),
            (Names{"*Fresh Search", "Alpha Links", "Beta Search", "Mid News", "Zeta Search"}));
}

TEST_F(EngineListsTest, DecoratedRowsAreReachedOnlyByAllGeneral) {
  program().database.categoryGroups = {{"Zeta Search", 101, 1, {{"7", "Arts"}}},
                                       {"Mid News", 102, 1, {{"8", "Sports"}}}};
  ShowCategoriesInEngineList(program());
  ASSERT_EQ(program().engineLists.engineList.Row(4).text, "Mid News\t[Sports]");

  for (int code :
       {kGroupNews, kGroupSearchEngines, kGroupAlreadyRegistered, kGroupNotRegisteredYet}) {
    Select(code, true);
  }
  EXPECT_EQ(MarkedEngines(program()), (Names{"*Fresh Search", "Alpha Links"}));

  MarkRows(program(), {"Mid News\t[Sports]"});
  Select(kGroupNews, false);
  EXPECT_EQ(MarkedEngines(program()), (Names{"*Fresh Search", "Alpha Links", "Mid News"}));

  Select(kGroupAllGeneral, false);
  EXPECT_TRUE(MarkedEngines(program()).empty());
  Select(kGroupAllGeneral, true);
  EXPECT_EQ(MarkedEngines(program()),
            (Names{"*Fresh Search", "Alpha Links", "Mid News", "Zeta Search"}));
}

TEST_F(EngineListsTest, AGroupWithoutRowsOrTheSeparatorChangesNothing) {
  MarkRows(program(), {"Mid News"});
  program().engineLists.status.ready = "untouched";

  Select(kGroupDirectories, true);  // its only member is Specialized
  Select(kGroupFailed, false);      // Alpha failed but is not marked
  Select(0, true);

  EXPECT_EQ(MarkedEngines(program()), (Names{"Mid News"}));
  EXPECT_TRUE(program().session.saved);
  EXPECT_EQ(program().engineLists.status.ready, "untouched");
}

TEST_F(EngineListsTest, ChangedMarksUpdateCountersLabelAndCaptionAndChangeTheSession) {
  Select(kGroupNewEngines, true);
  program().deepPromotion.links = {"https://a.example/1", "https://a.example/2"};
  UpdateQueueStatus(program());

  const QueueStatus& status = program().engineLists.status;
  EXPECT_FALSE(program().session.saved);
  EXPECT_EQ(status.engineCount, "6");
  EXPECT_EQ(status.successful, "1");
  EXPECT_EQ(status.failed, "1");
  EXPECT_EQ(status.ready, "2");
  EXPECT_EQ(status.selected, "Selected 2/6");
  EXPECT_EQ(status.deepLinks, "2");
  EXPECT_EQ(program().window.caption, "Zentrova - " + program().session.currentFile);
}

TEST_F(EngineListsTest, ToggleFlipsOneRowAndMarksTheSessionChanged) {
  const int row = RowOf(program(), "Mid News");
  ToggleEngineMark(program(), row);
  EXPECT_EQ(MarkedEngines(program()), (Names{"Mid News"}));
  EXPECT_FALSE(program().session.saved);
  EXPECT_EQ(program().engineLists.status.selected, "Selected 1/6");

  program().session.saved = true;
  ToggleEngineMark(program(), 6);
  EXPECT_TRUE(program().session.saved);

  ToggleEngineMark(program(), row);
  EXPECT_TRUE(MarkedEngines(program()).empty());
  EXPECT_EQ(program().engineLists.status.ready, "0");
}

TEST(EngineListsEmptyDatabaseTest, CountersAndLabelShowZero) {
  TestProgram test;
  LoadTestEngines(test.program, {});
  UpdateQueueStatus(test.program);
  const QueueStatus& status = test.program.engineLists.status;
  EXPECT_EQ(status.engineCount, "0");
  EXPECT_EQ(status.successful, "0");
  EXPECT_EQ(status.failed, "0");
  EXPECT_EQ(status.ready, "0");
  EXPECT_EQ(status.selected, "Selected 0/0");
  EXPECT_EQ(test.program.engineLists.engineList.CurrentRow(), -1);
}

}  // namespace
}  // namespace zentrova
