#include "engines/categories.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"
#include "unit/engines/engine_list_test_database.h"

namespace zentrova {
namespace {

using testing::LoadTestEngines;
using testing::MarkedEngines;
using testing::RowOf;
using testing::TestProgram;

constexpr int kZetaField = 101;
constexpr int kMidField = 102;

class CategoriesTest : public ::testing::Test {
 protected:
  CategoriesTest() {
    LoadTestEngines(program(), {{"Zeta Search", kSearchEngine, false},
                                {"Mid News", kNews, false},
                                {"Odd [beta] Engine", kDirectory, false},
                                {"Alpha Links", kLinkListing, false}});
    // Entry numbers and alphabetical order of the captions differ on purpose.
    AddGroup("Zeta Search", kZetaField,
             {{"10", "Web Business"},
              {"20", "Arts & Crafts"},
              {"10", "Computers"},
              {"30", "Business Services"}});
    AddGroup("Mid News", kMidField, {{"x", ""}, {"a", "Sports"}, {"b", "Arts"}, {"c", "Caf\xE9s"}});
    AddGroup("Odd [beta] Engine", 103, {});
    ResetCategories(program());
    program().session.saved = true;
  }

  void AddGroup(const std::string& title, int field, std::vector<CategoryEntry> entries) {
    auto& groups = program().database.categoryGroups;
    groups.push_back({title, field, static_cast<int>(entries.size()), std::move(entries)});
    program().categories.groupList.Add(title, static_cast<int>(groups.size()));
  }

  Program& program() { return test.program; }
  CategoryGroup& Group(int number) {
    return program().database.categoryGroups[static_cast<size_t>(number - 1)];
  }
  std::vector<int> Chosen() { return {Group(1).chosen, Group(2).chosen, Group(3).chosen}; }
  void ChooseGroup(const std::string& title) {
    const SortedList& groups = program().categories.groupList;
    for (int row = 0; row < groups.Count(); ++row) {
      if (groups.Row(row).text == title) {
        ChooseCategoryGroup(program(), row);
      }
    }
  }

  TestProgram test;
};

TEST_F(CategoriesTest, RestoreChoosesTheFirstEntryWithTheStoredValue) {
  struct RestoreCase {
    const char* stored;
    int chosen;
  };
  const RestoreCase cases[] = {{"20", 2}, {"10", 1}, {"30", 4}, {"99", 1}, {"", 1}};
  for (const RestoreCase& c : cases) {
    SCOPED_TRACE(c.stored);
    Group(1).chosen = 3;
    program().session.profile[kZetaField] = c.stored;
    ResetCategories(program());
    RestoreCategories(program());
    EXPECT_EQ(Group(1).chosen, c.chosen);
  }

  // Without a reset before it, a value that matches nothing keeps the current choice.
  Group(1).chosen = 3;
  program().session.profile[kZetaField] = "99";
  RestoreCategories(program());
  EXPECT_EQ(Group(1).chosen, 3);
}

TEST_F(CategoriesTest, StoreWritesEachChosenValueIntoItsGroupsSlot) {
  Group(1).chosen = 3;
  Group(2).chosen = 4;
  program().session.profile[103] = "stale";
  StoreCategories(program());
  EXPECT_EQ(program().session.profile[kZetaField], "10");
  EXPECT_EQ(program().session.profile[kMidField], "c");
  EXPECT_EQ(program().session.profile[103], "");
}

TEST_F(CategoriesTest, ShowingAGroupListsItsCaptionsAndMakesTheChosenOneCurrent) {
  Group(1).chosen = 4;
  ChooseGroup("Zeta Search");
  const CategoryState& state = program().categories;
  EXPECT_EQ(state.categoryCaption, "Category for Zeta Search");
  ASSERT_EQ(state.categoryList.Count(), 4);
  EXPECT_EQ(state.categoryList.Row(0).text, "Arts & Crafts");
  EXPECT_EQ(state.categoryList.Row(0).data, 2);
  ASSERT_GE(state.categoryList.CurrentRow(), 0);
  EXPECT_EQ(state.categoryList.Row(state.categoryList.CurrentRow()).data, 4);

  ChooseGroup("Odd [beta] Engine");
  EXPECT_EQ(state.categoryCaption, "Category for Odd [beta] Engine");
  EXPECT_EQ(state.categoryList.Count(), 0);
  EXPECT_EQ(state.categoryList.CurrentRow(), -1);
}

TEST_F(CategoriesTest, ChoosingACategoryChangesTheGroupAndTheSession) {
  ChooseGroup("Mid News");
  program().session.saved = true;
  const SortedList& categories = program().categories.categoryList;
  ChooseCategory(program(), categories.FindData(3));
  EXPECT_EQ(Group(2).chosen, 3);
  EXPECT_FALSE(program().session.saved);
}

struct KeywordCase {
  const char* box;
  std::vector<int> chosen;  // groups 1, 2, 3; every case starts from {4, 1, 1}
  const char* boxAfter;
};

const KeywordCase kKeywordCases[] = {
    {"arts", {2, 3, 1}, "arts"},
    // Two captions contain it: the lower entry number wins over alphabetical order.
    {"business", {1, 1, 1}, "business"},
    {"  Computers  hardware ", {3, 1, 1}, "Computers"},
    {"caf\xE9", {4, 4, 1}, "caf\xE9"},
    {"zzz", {4, 1, 1}, "zzz"},
    // Nothing left after trimming is found in every caption that is not empty.
    {"   ", {1, 2, 1}, "   "},
    {"", {4, 1, 1}, ""},
};

TEST_F(CategoriesTest, KeywordBoxChoosesInEveryGroupByItsFirstWord) {
  for (const KeywordCase& c : kKeywordCases) {
    SCOPED_TRACE(c.box);
    Group(1).chosen = 4;
    Group(2).chosen = 1;
    Group(3).chosen = 1;
    program().categories.keywordBox = c.box;
    SetAllCategoriesUsingKeyword(program());
    EXPECT_EQ(Chosen(), c.chosen);
    EXPECT_EQ(program().categories.keywordBox, c.boxAfter);
  }
}

TEST_F(CategoriesTest, ShowAndHideDecorateRowsAndRestoreTheNamesExactly) {
  Group(1).chosen = 2;
  Group(2).chosen = 3;
  ToggleEngineCategories(program());

  const SortedList& list = program().engineLists.engineList;
  EXPECT_EQ(program().categories.showButtonCaption, "Hide Categories");
  EXPECT_EQ(list.Row(RowOf(program(), "Alpha Links")).text, "Alpha Links");
  EXPECT_NE(RowOf(program(), "Mid News\t[Arts]"), -1);
  EXPECT_NE(RowOf(program(), "Zeta Search\t[Arts & Crafts]"), -1);
  EXPECT_NE(RowOf(program(), "Odd [beta] Engine\t[]"), -1);

  ToggleEngineCategories(program());
  EXPECT_EQ(program().categories.showButtonCaption, "Show Categories");
  EXPECT_FALSE(program().categories.categoriesShown);
  for (const ListRow& row : list.Rows()) {
    EXPECT_EQ(row.text, program().database.Engine(row.data).name);
  }
  SelectEngineGroup(program(), program().engineLists.engineList, kGroupDirectories, true);
  EXPECT_EQ(MarkedEngines(program()), std::vector<std::string>{"Odd [beta] Engine"});
}

TEST_F(CategoriesTest, ChoosingACategoryWhileDecoratedRemovesTheDecorations) {
  ChooseGroup("Zeta Search");
  ToggleEngineCategories(program());
  ShowCategoriesInEngineList(program());
  ASSERT_NE(RowOf(program(), "Zeta Search\t[Web Business]"), -1);

  ChooseCategory(program(), program().categories.categoryList.FindData(3));

  EXPECT_FALSE(program().categories.categoriesShown);
  EXPECT_NE(RowOf(program(), "Zeta Search"), -1);
  ToggleEngineCategories(program());
  EXPECT_NE(RowOf(program(), "Zeta Search\t[Computers]"), -1);
}

}  // namespace
}  // namespace zentrova
