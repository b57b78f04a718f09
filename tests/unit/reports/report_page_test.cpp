#include "reports/report_page.h"

#include <gtest/gtest.h>

#include <string>

#include "reports/summary_report.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

class ReportPageTest : public ::testing::Test {
 protected:
  ReportPageTest() {
    const struct {
      const char* name;
      ResultCode result;
    } engines[] = {
        {"Zeta", kFailed}, {"Alpha", kSuccessful}, {"Mid", kNotSubmitted}, {"Beta", kSuccessful}};
    for (const auto& e : engines) {
      EngineRecord engine;
      engine.name = e.name;
      engine.homeUrl = std::string("http://") + e.name + ".test/";
      engine.RegistrationStatus() = e.result;
      engine.DeepLinkStatus() = e.result;
      t.program.database.AddEngine(engine);
    }
    t.program.session.currentFile = t.AppPath("SESSIONS/Shop.ses");
  }
  std::string RowTexts() const {
    std::string texts;
    for (const ListRow& row : t.program.reports.statusList.Rows()) {
      texts += row.text + "=" + std::to_string(row.data) + ";";
    }
    return texts;
  }

  testing::TestProgram t;
};

TEST_F(ReportPageTest, EachTypeFillsTheListCaptionAndPage) {
  ShowReport(t.program, kSummaryReport);
  const ReportState& reports = t.program.reports;
  EXPECT_EQ(RowTexts(), "Alpha\t(Success)=2;Beta\t(Success)=4;Mid\t(Not Reg)=3;Zeta\t(Failed)=1;");
  EXPECT_EQ(reports.frameCaption, "All Search Engines");
  EXPECT_EQ(reports.reportType, kSummaryReport);
  EXPECT_TRUE(reports.saveReportEnabled);
  EXPECT_EQ(reports.viewedPage, t.AppPath("LOG/Shop.htm"));
  EXPECT_EQ(reports.statusList.CurrentRow(), 0);

  ShowReport(t.program, kSuccessfulOnly);
  EXPECT_EQ(RowTexts(), "Alpha\t(Success)=2;Beta\t(Success)=4;");
  EXPECT_EQ(reports.frameCaption, "Successful Registrations");
  EXPECT_EQ(reports.statusList.CurrentRow(), 0);
  EXPECT_EQ(reports.viewedPage, t.AppPath("LOG/current.htm"));

  ShowReport(t.program, kFailedOnly);
  EXPECT_EQ(RowTexts(), "Zeta\t(Failed)=1;");
  EXPECT_EQ(reports.frameCaption, "Failed Registrations");
  EXPECT_TRUE(reports.saveReportEnabled);

  ShowReport(t.program, kNoReport);
  EXPECT_EQ(reports.statusList.Count(), 0);
  EXPECT_EQ(reports.frameCaption, "No Report");
  EXPECT_FALSE(reports.saveReportEnabled);
  EXPECT_EQ(reports.viewedPage, t.AppPath("LOG/noreport.htm"));
  EXPECT_EQ(testing::ReadFileBytes(reports.viewedPage),
            "<meta charset=\"utf-8\">\r\n<html><center>Select Report Type</html>\r\n");
}

TEST_F(ReportPageTest, EraseAsksAndClearsBothResultsOnlyOnYes) {
  ShowReport(t.program, kFailedOnly);
  t.dialogs.answers.push_back(MessageAnswer::No);
  EraseRegistrationData(t.program);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(t.dialogs.messages[0].text,
            "Do you really want to erase the Online Registration Data in current session?");
  EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(t.program.database.Engine(1).RegistrationStatus(), kFailed);

  t.dialogs.answers.push_back(MessageAnswer::Yes);
  EraseRegistrationData(t.program);
  for (const EngineRecord& engine : t.program.database.engines) {
    EXPECT_EQ(engine.RegistrationStatus(), kNotSubmitted) << engine.name;
    EXPECT_EQ(engine.DeepLinkStatus(), kNotSubmitted) << engine.name;
  }
  // The page is shown again under the same type, now with nothing failed.
  EXPECT_EQ(t.program.reports.reportType, kFailedOnly);
  EXPECT_EQ(t.program.reports.statusList.Count(), 0);
  EXPECT_EQ(t.program.engineLists.status.successful, "0");
}

TEST_F(ReportPageTest, SaveAndCopyWriteTheSummaryInTheirFormat) {
  ShowReport(t.program, kSummaryReport);
  const std::string text = BuildSummaryReport(t.program, kTextReport);

  CopyReportToClipboard(t.program);
  EXPECT_EQ(t.clipboard.text, text);

  const std::string saved = (t.root / "saved.txt").string();
  t.dialogs.saveAnswers.push_back(saved);
  SaveReportAsText(t.program);
  ASSERT_EQ(t.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(t.dialogs.saveRequests[0].fileName, "Shop.txt");
  EXPECT_EQ(testing::ReadFileBytes(saved), text);
  // Copying leaves the summary on show as it was.
  EXPECT_EQ(testing::DeclaredPageText(testing::ReadFileBytes(t.AppPath("LOG/Shop.htm"))),
            BuildSummaryReport(t.program, kHtmlReport));

  const std::string html = (t.root / "saved.htm").string();
  t.dialogs.saveAnswers.push_back(html);
  SaveReportAsHtml(t.program);
  EXPECT_EQ(testing::DeclaredPageText(testing::ReadFileBytes(html)),
            BuildSummaryReport(t.program, kHtmlReport));
}

TEST_F(ReportPageTest, GoToSearchEngineOpensTheCurrentRowsHome) {
  ShowReport(t.program, kNoReport);
  GoToSearchEngine(t.program);
  EXPECT_TRUE(t.shell.opened.empty());
  ShowReport(t.program, kFailedOnly);
  GoToSearchEngine(t.program);
  ASSERT_EQ(t.shell.opened.size(), 1u);
  EXPECT_EQ(t.shell.opened[0], "http://Zeta.test/");
}

}  // namespace
}  // namespace zentrova
