#include "deeppromo/link_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deeppromo/link_extraction.h"
#include "session/file_dialogs.h"
#include "submission/run_controller.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

class LinkDialogTest : public ::testing::Test {
 protected:
  Program& program() { return test.program; }
  LinkDialogState& dialog() { return test.program.deepPromotion.dialog; }

  testing::TestProgram test;
};

TEST_F(LinkDialogTest, AddPutsTheSchemeInFrontOnlyWhenTheAddressHasNone) {
  struct Case {
    std::string typed;
    std::string stored;
  };
  const Case cases[] = {
      {"www.site.example/", "http://www.site.example"},
      {"http://www.site.example/a", "http://www.site.example/a"},
      {"HTTPS://www.site.example/b/", "HTTPS://www.site.example/b"},
      {"Http://www.site.example/c", "Http://www.site.example/c"},
      {"httpdocs.example", "http://httpdocs.example"},
      {"https:/broken.example", "http://https:/broken.example"},
  };
  for (const Case& c : cases) {
    program().deepPromotion.links.clear();
    ShowLinkDialog(program());
    dialog().typedAddress = c.typed;
    AddTypedLink(program());
    EXPECT_EQ(program().deepPromotion.links, std::vector<std::string>{c.stored}) << c.typed;
    EXPECT_FALSE(dialog().visible);
    EXPECT_EQ(dialog().typedAddress, c.typed);
  }
}

TEST_F(LinkDialogTest, AddTwiceKeepsOneRowAndAnEmptyBoxAddsNothing) {
  ShowLinkDialog(program());
  dialog().typedAddress = "www.site.example/";
  AddTypedLink(program());
  dialog().typedAddress = "http://www.site.example";
  AddTypedLink(program());
  EXPECT_EQ(program().deepPromotion.links, std::vector<std::string>{"http://www.site.example"});

  ShowLinkDialog(program());
  program().session.saved = true;
  dialog().typedAddress.clear();
  AddTypedLink(program());
  EXPECT_EQ(program().deepPromotion.links.size(), 1u);
  EXPECT_TRUE(dialog().visible);
  EXPECT_TRUE(program().session.saved);
}

TEST_F(LinkDialogTest, FramesFollowTheOptionButtons) {
  ShowLinkDialog(program());
  EXPECT_EQ(dialog().option, kTypeLinkFrame);
  LinkDialogControls controls = LinkDialogEnabled(program());
  EXPECT_TRUE(controls.typeLinkFrame);
  EXPECT_FALSE(controls.localFileFrame);
  EXPECT_FALSE(controls.webExtract);
  EXPECT_FALSE(controls.stop);

  SetFrame(program(), kWebSiteFrame);
  controls = LinkDialogEnabled(program());
  EXPECT_FALSE(controls.typeLinkFrame);
  EXPECT_TRUE(controls.webSiteFrame);
  EXPECT_TRUE(controls.webExtract);

  // Showing the dialog again keeps the frame the user left it in.
  CloseLinkDialog(program());
  ShowLinkDialog(program());
  EXPECT_EQ(dialog().activeFrame, kWebSiteFrame);
}

TEST_F(LinkDialogTest, OptionsCannotLeaveTheWebFrameWhileItsExtractionRuns) {
  ShowLinkDialog(program());
  SetFrame(program(), kWebSiteFrame);
  dialog().webAddress = "www.site.example";
  ExtractLinksFromWebSite(program());
  ASSERT_TRUE(LinkDialogEnabled(program()).stop);

  SetFrame(program(), kTypeLinkFrame);
  EXPECT_EQ(dialog().option, kWebSiteFrame);
  EXPECT_EQ(dialog().activeFrame, kWebSiteFrame);
  const LinkDialogControls controls = LinkDialogEnabled(program());
  EXPECT_FALSE(controls.webExtract);
  EXPECT_TRUE(controls.stop);
}

TEST_F(LinkDialogTest, ListFramesWaitWhileARunHoldsTheList) {
  ShowLinkDialog(program());
  SetBusyControls(program(), kRegistrationActivity, true);
  dialog().typedAddress = "www.site.example";
  AddTypedLink(program());
  EXPECT_TRUE(program().deepPromotion.links.empty());
  EXPECT_FALSE(LinkDialogEnabled(program()).typeLinkFrame);
}

TEST_F(LinkDialogTest, BrowseFillsTheFileBoxWithTheChosenFile) {
  ShowLinkDialog(program());
  SetFrame(program(), kLocalFileFrame);
  dialog().filePath = "old.htm";
  test.dialogs.openAnswers = {"/home/user/site/index.htm"};
  BrowseForLinkFile(program());
  EXPECT_EQ(dialog().filePath, "/home/user/site/index.htm");
  ASSERT_EQ(test.dialogs.openRequests.size(), 1u);

  BrowseForLinkFile(program());  // cancelled
  EXPECT_EQ(dialog().filePath, "/home/user/site/index.htm");
}

}  // namespace
}  // namespace zentrova
