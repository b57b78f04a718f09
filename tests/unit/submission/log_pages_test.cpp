#include "submission/log_pages.h"

#include <gtest/gtest.h>

#include "run_fixture.h"
#include "submission/reply_analysis.h"

namespace zentrova::testing {
namespace {

class LogPageTest : public RunFixture {
 protected:
  LogPageTest() {
    slot = AddEngine("Alpha");
    Engine(slot).runDate = "12-10-2026";
    Engine(slot).startedAt = "10:00:00";
    Engine(slot).finishedAt = "10:00:07";
    program.reports.statusList.SetCurrentRow(0);
  }
  std::string ShownPage() {
    ShowLogPage(program);
    EXPECT_EQ(program.reports.viewedPage, AppPath("LOG/current.htm"));
    return DeclaredPageText(ReadFileBytes(AppPath("LOG/current.htm")));
  }
  int slot = 0;
};

constexpr char kFailedPage[] =
    "<html><center>\r\n"
    "<b>Submission to this Site Failed</b><p>Date :\r\n"
    "12-10-2026\r\n"
    "<p>Started at 10:00:00\r\n"
    "<p>Finished at 10:00:07\r\n"
    "<p align=right><a href=\"Alpha.htm\">More Details ...</a>\r\n"
    "<p>This can occur for a variety of reasons including server failure, network traffic or "
    "site changes. Please wait several hours and attempt your submission to this site again. If "
    "this site fails repeatedly, please use the <b>Tech Support</b> button on the Session screen "
    "to file a report so we can update this interface.</p>\r\n"
    "</html>\r\n";

TEST_F(LogPageTest, AFailedSubmissionLinksItsReplyTextWhenThereIsOne) {
  Engine(slot).RegistrationStatus() = kFailed;
  SaveReplyText(program, "Alpha", "Error", 0);
  EXPECT_EQ(ShownPage(), kFailedPage);

  SaveReplyText(program, "Alpha", "", 0);
  const std::string withoutLink = ShownPage();
  EXPECT_EQ(withoutLink.find("More Details"), std::string::npos);
  EXPECT_NE(withoutLink.find("Submission to this Site Failed"), std::string::npos);
}

TEST_F(LogPageTest, ATimedOutSubmissionSaysNoReplyCameAndLinksNoEarlierReply) {
  SaveReplyText(program, "Alpha", "Error from an earlier run", 0);
  StartOnlineRegistration(program);
  t.replyTimer.Fire();
  const std::string timedOut = ShownPage();
  EXPECT_NE(timedOut.find("Submission to this Site Failed"), std::string::npos);
  EXPECT_NE(timedOut.find("No reply came from this site within the time-out of 30 seconds"),
            std::string::npos);
  EXPECT_EQ(timedOut.find("More Details"), std::string::npos);
  EXPECT_EQ(timedOut.find("variety of reasons"), std::string::npos);

  // A failure with a reply afterwards gives the usual page again.
  program.engineLists.engineList.SetMarked(0, true);
  StartOnlineRegistration(program);
  Reply("Error");
  const std::string replied = ShownPage();
  EXPECT_EQ(replied.find("No reply came"), std::string::npos);
  EXPECT_NE(replied.find("More Details"), std::string::npos);
  EXPECT_NE(replied.find("variety of reasons"), std::string::npos);
}

TEST_F(LogPageTest, ASuccessfulSubmissionNeverLinksAnOldReplyText) {
  Engine(slot).RegistrationStatus() = kSuccessful;
  SaveReplyText(program, "Alpha", "Error", 0);
  EXPECT_EQ(ShownPage(),
            "<html><center>\r\n"
            "<b>Your Page Was Successfully Submitted to this Site</b><p>Date :\r\n"
            "12-10-2026\r\n"
            "<p>Started at 10:00:00\r\n"
            "<p>Finished at 10:00:07\r\n"
            "<p>Depending on the site, it may take several weeks for new submissions to be "
            "posted. Click on the <b>Go to Search Engine</b> button to search this site.</p>\r\n"
            "</html>\r\n");
}

TEST_F(LogPageTest, AnEngineNotSubmittedGivesOneOfTwoReasons) {
  const std::string notChosen = ShownPage();
  EXPECT_EQ(notChosen,
            "<html><center>\r\n"
            "<b>You did not Choose this Site for Submission</b><p>\r\n"
            "This site was not chosen by you in the <b>Select Engines</b> screen\r\n"
            "<p>Click on <b>Select Type</b> to see Summary Report\r\n"
            "</html>\r\n");
  Engine(slot).specialized = true;
  const std::string excluded = ShownPage();
  EXPECT_NE(excluded.find("Another possible reason: it was automatically excluded"),
            std::string::npos);
  EXPECT_EQ(excluded.find("not chosen by you"), std::string::npos);
}

TEST_F(LogPageTest, ANameThatIsNotAPlainAddressStillLinksItsOwnFile) {
  Engine(slot).name = "A&B #1?";
  Engine(slot).RegistrationStatus() = kFailed;
  SaveReplyText(program, "A&B #1?", "Error", 0);
  EXPECT_NE(ShownPage().find("<a href=\"A&amp;B %231%3F.htm\">"), std::string::npos);
  // A ":" would make the name a scheme, a "\\" a folder separator.
  Engine(slot).name = "Web:Search\\Pro";
  SaveReplyText(program, "Web:Search\\Pro", "Error", 0);
  EXPECT_NE(ShownPage().find("<a href=\"Web%3ASearch%5CPro.htm\">"), std::string::npos);
}

TEST_F(LogPageTest, GoToEngineNeedsAHomeAddressAndNoRunningActivity) {
  UpdateGoToEngineButton(program);
  EXPECT_TRUE(program.reports.goToEngineEnabled);
  program.busy.goToEngineAllowed = false;
  UpdateGoToEngineButton(program);
  EXPECT_FALSE(program.reports.goToEngineEnabled);
  program.busy.goToEngineAllowed = true;
  Engine(slot).homeUrl.clear();
  ShowLogPage(program);
  EXPECT_FALSE(program.reports.goToEngineEnabled);
  Engine(slot).homeUrl = "http://alpha.test/";
  program.reports.statusList.SetCurrentRow(-1);
  UpdateGoToEngineButton(program);
  EXPECT_FALSE(program.reports.goToEngineEnabled);
}

TEST(FileLength, CountsBytesAndIsZeroForAnythingElse) {
  TestProgram t;
  WriteFileBytes(t.root / "five", "12345");
  EXPECT_EQ(FileLength((t.root / "five").string()), 5);
  EXPECT_EQ(FileLength((t.root / "missing").string()), 0);
  EXPECT_EQ(FileLength(t.root.string()), 0);
}

}  // namespace
}  // namespace zentrova::testing
