#include "session/session_model.h"

#include <gtest/gtest.h>

#include <string>

#include "submission/keyword_text.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::TestProgram;

class SessionModelTest : public ::testing::Test {
 protected:
  Program& program() { return test.program; }
  ProfileValues& profile() { return test.program.session.profile; }
  TestProgram test;
};

TEST_F(SessionModelTest, CollectCopiesTheBoxesAndDerivesNameKeywordsAndFlags) {
  for (int slot : ProfileBoxSlots()) {
    SetBoxText(program(), slot, "box " + std::to_string(slot));
  }
  SetBoxText(program(), kFirstName, "");
  SetBoxText(program(), kLastName, "");
  profile()[81] = "kept";
  struct CheckCase {
    int box;
    int value;
    int slot;
    const char* expected;
  };
  const CheckCase checks[] = {{3, kChecked, kSkipRegistered, "1"},
                              {4, kGrey, kAdultContent, ""},
                              {5, kUnchecked, kDeepPromotionActive, ""}};
  for (const CheckCase& c : checks) {
    ClickCheckBox(program(), c.box, c.value);
  }

  CollectSession(program());

  for (int slot : ProfileBoxSlots()) {
    if (slot != kFirstName && slot != kLastName) {
      EXPECT_EQ(profile()[slot], "box " + std::to_string(slot));
    }
  }
  EXPECT_EQ(profile()[kFullName], " ");
  EXPECT_EQ(profile()[kKeywordText],
            BuildKeywordText(80, "box 26", "box 27", "box 28", "box 29", "box 30", "box 31"));
  EXPECT_LE(profile()[kKeywordText].size(), 80u);
  for (const CheckCase& c : checks) {
    EXPECT_EQ(profile()[c.slot], c.expected) << "check box " << c.box;
  }
  EXPECT_EQ(profile()[81], "kept");

  SetBoxText(program(), kFirstName, "Ann");
  SetBoxText(program(), kLastName, "Lee");
  CollectSession(program());
  EXPECT_EQ(profile()[kFullName], "Ann Lee");
}

TEST_F(SessionModelTest, ShowFillsTheBoxesAndTicksOnlyTheTextOne) {
  profile()[kPageAddress] = "http://site.example";
  profile()[kMetaTitle] = "Line 1\r\nLine 2";
  profile()[kSkipRegistered] = "1";
  profile()[kAdultContent] = "0";
  profile()[kDeepPromotionActive] = "yes";
  ClickCheckBox(program(), 4, kChecked);

  ShowSession(program());

  EXPECT_EQ(program().session.editor.boxText[kPageAddress], "http://site.example");
  EXPECT_EQ(program().session.editor.boxText[kMetaTitle], "Line 1\r\nLine 2");
  EXPECT_TRUE(CheckBoxTicked(program(), 3));
  EXPECT_FALSE(CheckBoxTicked(program(), 4));
  EXPECT_FALSE(CheckBoxTicked(program(), 5));
}

TEST_F(SessionModelTest, EditsMarkTheSessionChangedEvenWhenUndone) {
  ASSERT_TRUE(program().session.saved);
  SetBoxText(program(), kSiteTitle, "");
  EXPECT_TRUE(program().session.saved) << "setting a box to its own text is no edit";

  SetBoxText(program(), kSiteTitle, "a");
  SetBoxText(program(), kSiteTitle, "");
  EXPECT_FALSE(program().session.saved);

  program().session.saved = true;
  ClickCheckBox(program(), 5, kChecked);
  EXPECT_FALSE(program().session.saved);

  // Showing a profile that differs from the boxes is an edit too, as the boxes' change
  // notifications make it.
  program().session.saved = true;
  profile()[kCity] = "Oslo";
  ShowSession(program());
  EXPECT_FALSE(program().session.saved);
}

TEST_F(SessionModelTest, ResetLeavesOnlyTheNewSessionDefaults) {
  for (std::string& slot : profile()) {
    slot = "old";
  }
  ResetProfile(program());
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    const std::string expected = slot == 1 ? "http://" : (slot == 81 || slot == 83) ? "1" : "";
    EXPECT_EQ(profile()[slot], expected) << "slot " << slot;
  }
}

TEST_F(SessionModelTest, CurrentFileSetsCaptionAndIsRememberedOnlyWhenAsked) {
  std::vector<View> changed;
  program().views.Subscribe([&](View view) { changed.push_back(view); });
  program().session.saved = false;

  SetCurrentSessionFile(program(), "/s/a.ses", false);
  EXPECT_EQ(program().window.caption, "Zentrova - /s/a.ses");
  EXPECT_EQ(program().session.currentFile, "/s/a.ses");
  EXPECT_TRUE(program().session.saved);
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), "");
  EXPECT_EQ(changed, std::vector<View>{View::Caption});

  SetCurrentSessionFile(program(), "/s/b.ses", true);
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), "/s/b.ses");
}

// The shipped database sends slot 40 as the IndexNow key, so the box must travel with the session.
TEST_F(SessionModelTest, IndexNowKeyBoxSurvivesCollectAndShow) {
  constexpr int kIndexNowKey = 40;
  SetBoxText(program(), kIndexNowKey, "0123456789abcdef");
  CollectSession(program());
  EXPECT_EQ(profile()[kIndexNowKey], "0123456789abcdef");

  SetBoxText(program(), kIndexNowKey, "");
  ShowSession(program());
  EXPECT_EQ(program().session.editor.boxText[kIndexNowKey], "0123456789abcdef");
}

}  // namespace
}  // namespace zentrova
