#include "engines/sorted_list.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(AlphabeticalOrder, FoldsLettersThenComparesBytes) {
  struct Case {
    std::string a, b;
    bool less;
  };
  const Case cases[] = {
      {"alpha", "Beta", true},
      {"Beta", "alpha", false},
      {"ABC", "abc", true},
      {"abc", "ABC", false},
      {"\xC9t\xE9", "\xE9t\xE9", true},  // É before é once folded equal
      {"\xE9z",
       "\xC9"
       "a",
       false},  // é folds to É: z after a
      {"ab", "abc", true},
      {"", "a", true},
      {"same", "same", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlphabeticalLess(c.a, c.b), c.less) << c.a << " < " << c.b;
  }
}

TEST(SortedList, KeepsRowsSortedAndEqualTextsInArrivalOrder) {
  SortedList list;
  list.Add("Yandex", 1);
  list.Add("bing", 2);
  list.Add("Bing", 3);
  list.Add("bing", 4);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Row(0).text, "Bing");
  EXPECT_EQ(list.Row(1).data, 2);
  EXPECT_EQ(list.Row(2).data, 4);
  EXPECT_EQ(list.Row(3).text, "Yandex");
}

TEST(SortedList, MarksAndCurrentRow) {
  SortedList list;
  list.Add("b", 1);
  list.SetCurrentRow(0);
  list.Add("a", 2);
  EXPECT_EQ(list.CurrentRow(), 1) << "the current row follows its row";
  EXPECT_EQ(list.FirstMarked(), -1);
  list.SetMarked(1, true);
  EXPECT_EQ(list.FirstMarked(), 1);
  EXPECT_EQ(list.MarkedCount(), 1);
  EXPECT_EQ(list.FindData(2), 0);
  list.SetCurrentRow(5);
  EXPECT_EQ(list.CurrentRow(), -1);
}

}  // namespace
}  // namespace zentrova
