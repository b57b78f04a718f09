#include "submission/keyword_text.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(BuildKeywordText, AllEmptyPhrasesGiveFiftyCharactersUncut) {
  const std::string text = BuildKeywordText(80, "", "", "", "", "", "");
  EXPECT_EQ(text.size(), 50u);
  EXPECT_EQ(text.substr(0, 12), std::string(11, ' ') + "\r");
  EXPECT_EQ(std::count(text.begin(), text.end(), ' '), 42);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 4);
}

TEST(BuildKeywordText, RepeatsThePhrasesInItsPattern) {
  EXPECT_EQ(BuildKeywordText(1000, "a", "b", "c", "d", "e", "f"),
            "a b c d e f a b c d e \r\na b c d a b c \r\na b a a b b c \r\nc c d d d d e e e "
            "\r\ne e f f f f f f ");
}

TEST(BuildKeywordText, CutsAtTheLastSpaceWithinLimitPlusOne) {
  struct Case {
    int limit;
    std::string phrase;
    std::string expected;
  };
  const Case cases[] = {
      // "abc abc abc …": position limit + 1 = 8 holds a space, so the cut keeps 7.
      {7, "abc", "abc abc"},
      // limit + 1 = 6 is inside the second phrase: back to the space at 4.
      {5, "abc", "abc"},
      // No space in positions 2 … limit + 1: cut to the limit itself.
      {5, "abcdefghij", "abcde"},
      {0, "abc", ""},
  };
  for (const auto& c : cases) {
    const std::string text =
        BuildKeywordText(c.limit, c.phrase, c.phrase, c.phrase, c.phrase, c.phrase, c.phrase);
    EXPECT_EQ(text, c.expected) << "limit " << c.limit;
    EXPECT_LE(text.size(), static_cast<size_t>(c.limit));
  }
}

}  // namespace
}  // namespace zentrova
