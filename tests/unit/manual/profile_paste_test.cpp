#include "manual/profile_paste.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace zentrova::testing {
namespace {

TEST(ProfilePaste, PutsTheSessionValueOnTheClipboardAndHandsItBack) {
  TestProgram test;
  Program& program = test.program;
  program.session.profile[kFullName] = "Ann Lee";
  // An edit not collected yet is not what is pasted.
  program.session.editor.boxText[kFullName] = "Ann Leigh";

  EXPECT_EQ(PasteProfileValue(program, kFullName), "Ann Lee");
  EXPECT_EQ(test.clipboard.text, "Ann Lee");
  // An empty slot empties the clipboard too, so the user never pastes a stale value.
  EXPECT_EQ(PasteProfileValue(program, kFax), "");
  EXPECT_EQ(test.clipboard.text, "");

  test.clipboard.text = "untouched";
  EXPECT_EQ(PasteProfileValue(program, 0), "");
  EXPECT_EQ(PasteProfileValue(program, kProfileSlotCount + 1), "");
  EXPECT_EQ(test.clipboard.text, "untouched");
}

}  // namespace
}  // namespace zentrova::testing
