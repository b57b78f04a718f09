#include "deeppromo/deep_link_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/session_model.h"
#include "submission/run_controller.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using Links = std::vector<std::string>;

class DeepLinkListTest : public ::testing::Test {
 protected:
  void SetLinks(const Links& links, int current) {
    program().deepPromotion.links = links;
    program().deepPromotion.currentRow = current;
    program().session.saved = true;
  }
  Program& program() { return test.program; }
  const Links& links() { return test.program.deepPromotion.links; }
  int current() { return test.program.deepPromotion.currentRow; }

  testing::TestProgram test;
};

TEST_F(DeepLinkListTest, AddKeepsOnlyWebAddressesWithoutOneFinalSlash) {
  struct Case {
    std::string link;
    Links stored;
  };
  const Case cases[] = {
      {"http://site.example/page/", {"http://site.example/page"}},
      {"http://site.example/dir//", {"http://site.example/dir/"}},
      {"HTTPS://site.example/a", {"HTTPS://site.example/a"}},
      {"http://http://site.example", {"http://http://site.example"}},
      {"mailto:me@site.example", {}},
      {"javascript:void(0)", {}},
      {"ftp://site.example/file", {}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SetLinks({}, -1);
    AddDeepLink(program(), c.link);
    EXPECT_EQ(links(), c.stored) << c.link;
    // Changed even when nothing was stored.
    EXPECT_FALSE(program().session.saved) << c.link;
  }
}

TEST_F(DeepLinkListTest, AddRefreshesTheCountLabel) {
  SetLinks({"http://a.example"}, 0);
  AddDeepLink(program(), "http://b.example/");
  EXPECT_EQ(program().engineLists.status.deepLinks, "2");
}

TEST_F(DeepLinkListTest, RemoveDuplicatesKeepsFirstOccurrencesInPlaceAndRecounts) {
  SetLinks({"http://a", "http://b", "http://a", "http://A", "http://b", "http://c"}, 5);
  RemoveDuplicateLinks(program());
  EXPECT_EQ(links(), (Links{"http://a", "http://b", "http://A", "http://c"}));
  EXPECT_EQ(current(), 3);
  EXPECT_EQ(program().engineLists.status.deepLinks, "4");
}

TEST_F(DeepLinkListTest, AddingTheSameAddressTwiceThenRemovingDuplicatesLeavesOneRow) {
  SetLinks({}, -1);
  AddDeepLink(program(), "http://site.example/");
  AddDeepLink(program(), "http://site.example");
  RemoveDuplicateLinks(program());
  EXPECT_EQ(links(), (Links{"http://site.example"}));
}

TEST_F(DeepLinkListTest, RemoveKeepsTheSamePositionOrTheNewLastRow) {
  struct Case {
    Links before;
    int current;
    Links after;
    int newCurrent;
  };
  const Case cases[] = {
      {{"http://a", "http://b", "http://c"}, 1, {"http://a", "http://c"}, 1},
      {{"http://a", "http://b", "http://c"}, 2, {"http://a", "http://b"}, 1},
      {{"http://a"}, 0, {}, -1},
  };
  for (const Case& c : cases) {
    SetLinks(c.before, c.current);
    RemoveDeepLink(program());
    EXPECT_EQ(links(), c.after);
    EXPECT_EQ(current(), c.newCurrent);
    EXPECT_FALSE(program().session.saved);
    EXPECT_EQ(program().engineLists.status.deepLinks, std::to_string(c.after.size()));
  }
}

TEST_F(DeepLinkListTest, RemoveWithoutCurrentRowChangesNothing) {
  SetLinks({"http://a"}, -1);
  RemoveDeepLink(program());
  EXPECT_EQ(links(), (Links{"http://a"}));
  EXPECT_TRUE(program().session.saved);
}

TEST_F(DeepLinkListTest, MovesSwapWithTheNeighbourAndStopAtTheEnds) {
  SetLinks({"http://a", "http://b", "http://c"}, 1);
  MoveDeepLinkUp(program());
  EXPECT_EQ(links(), (Links{"http://b", "http://a", "http://c"}));
  EXPECT_EQ(current(), 0);
  EXPECT_FALSE(program().session.saved);

  program().session.saved = true;
  MoveDeepLinkUp(program());
  EXPECT_EQ(links(), (Links{"http://b", "http://a", "http://c"}));
  EXPECT_TRUE(program().session.saved);

  SetLinks({"http://a", "http://b", "http://c"}, 1);
  MoveDeepLinkDown(program());
  EXPECT_EQ(links(), (Links{"http://a", "http://c", "http://b"}));
  EXPECT_EQ(current(), 2);

  program().session.saved = true;
  MoveDeepLinkDown(program());
  EXPECT_EQ(links(), (Links{"http://a", "http://c", "http://b"}));
  EXPECT_EQ(current(), 2);
  EXPECT_TRUE(program().session.saved);
}

TEST_F(DeepLinkListTest, RemoveAllAsksAndMarksTheSessionChangedWhateverTheAnswer) {
  SetLinks({"http://a", "http://b"}, 0);
  test.dialogs.answers = {MessageAnswer::No};
  RemoveAllDeepLinks(program());
  EXPECT_EQ(links().size(), 2u);
  EXPECT_FALSE(program().session.saved);
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, "Do you want to remove all links from the list?");
  EXPECT_EQ(test.dialogs.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::Question);

  test.dialogs.answers = {MessageAnswer::Yes};
  RemoveAllDeepLinks(program());
  EXPECT_TRUE(links().empty());
  EXPECT_EQ(current(), -1);
  EXPECT_EQ(program().engineLists.status.deepLinks, "0");

  // An empty list asks nothing.
  RemoveAllDeepLinks(program());
  EXPECT_EQ(test.dialogs.messages.size(), 2u);
}

TEST_F(DeepLinkListTest, ListStaysAsItIsWhileALongActivityHoldsIt) {
  SetLinks({"http://a", "http://b"}, 1);
  SetBusyControls(program(), kRegistrationActivity, true);
  RemoveDeepLink(program());
  MoveDeepLinkUp(program());
  RemoveAllDeepLinks(program());
  EXPECT_EQ(links(), (Links{"http://a", "http://b"}));
  EXPECT_TRUE(test.dialogs.messages.empty());
}

TEST_F(DeepLinkListTest, SwitchMarksTheSessionChangedAndShowsItsState) {
  EXPECT_EQ(DeepPromotionStatusText(program()), "Deactivated");
  ClickDeepPromotionSwitch(program(), kChecked);
  EXPECT_EQ(DeepPromotionStatusText(program()), "Activated");
  EXPECT_FALSE(program().session.saved);
  ClickDeepPromotionSwitch(program(), kUnchecked);
  EXPECT_EQ(DeepPromotionStatusText(program()), "Deactivated");
}

}  // namespace
}  // namespace zentrova
