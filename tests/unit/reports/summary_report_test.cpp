#include "reports/summary_report.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "reports/report_page.h"
#include "session/session_export.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

struct EngineSetup {
  const char* name;
  const char* homeUrl;
  int kind;
  ResultCode result;
};

// Engines of the table, a few profile values and the session's own name.
void SetUpSession(Program& program, const std::vector<EngineSetup>& engines) {
  for (const EngineSetup& setup : engines) {
    EngineRecord engine;
    engine.name = setup.name;
    engine.homeUrl = setup.homeUrl;
    engine.kind = setup.kind;
    engine.RegistrationStatus() = setup.result;
    program.database.AddEngine(engine);
  }
  ProfileValues& profile = program.session.profile;
  profile[kPageAddress] = "http://www.shop.test/";
  profile[kSiteTitle] = "The Shop";
  profile[kKeyword1] = "tea";
  profile[kKeyword1 + 1] = "cups";
  profile[kFirstName] = "Ann";
  profile[kLastName] = "Lee";
  profile[kEmail] = "ann@shop.test";
  program.session.currentFile = program.folders.appFolder + "SESSIONS/Shop.SES";
}

void SetCounters(Program& program, const char* count, const char* successful, const char* failed) {
  program.engineLists.status.engineCount = count;
  program.engineLists.status.successful = successful;
  program.engineLists.status.failed = failed;
}

const std::vector<EngineSetup> kMixedEngines = {
    {"Gamma", "http://gamma.test/", kSearchEngine, kFailed},
    {"Alpha", "http://alpha.test/", kSearchEngine, kSuccessful},
    {"Eps", "http://eps.test/", kSearchEngine, kNotSubmitted},
    {"Beta", "", kDirectory, kSuccessful},
    {"Delta", "", kLinkListing, kFailed},
};

std::string Fixture(const std::string& name) {
  return testing::ReadFileBytes(std::string(ZENTROVA_FIXTURES) + "/reports/" + name);
}

// The summary as "&Summary Report" writes it into LOG and the text form of the same list.
void ExpectReports(testing::TestProgram& t, const std::string& fixture) {
  ShowReport(t.program, kSummaryReport);
  EXPECT_EQ(t.program.reports.viewedPage, t.AppPath("LOG/Shop.htm"));
  EXPECT_EQ(testing::DeclaredPageText(testing::ReadFileBytes(t.AppPath("LOG/Shop.htm"))),
            Fixture(fixture + ".htm"));
  EXPECT_EQ(BuildSummaryReport(t.program, kTextReport), Fixture(fixture + ".txt"));
}

// Editors and browsers here read UTF-8; the session's letters must reach them as such.
TEST(SummaryReport, SavedReportsAndTheExportAreUtf8AndTheHtmlSaysSo) {
  testing::TestProgram t;
  SetUpSession(t.program, kMixedEngines);
  t.program.session.profile[kSiteTitle] = "Caf\xE9 \x80";
  ShowReport(t.program, kSummaryReport);
  const std::string title = "Caf\xC3\xA9 \xE2\x82\xAC";
  const std::string html = (t.root / "saved.htm").string();
  const std::string text = (t.root / "saved.txt").string();
  const std::string exported = (t.root / "export.txt").string();
  t.dialogs.saveAnswers = {html, text, exported};
  SaveReportAsHtml(t.program);
  SaveReportAsText(t.program);
  for (const std::string& shown : {html, t.AppPath("LOG/Shop.htm")}) {
    const std::string bytes = testing::ReadFileBytes(shown);
    EXPECT_TRUE(bytes.starts_with("<meta charset=\"utf-8\">\r\n<html>")) << shown;
    EXPECT_NE(bytes.find("\t" + title), std::string::npos) << shown;
  }
  const std::string plain = testing::ReadFileBytes(text);
  EXPECT_NE(plain.find("Title: \r\n\t" + title), std::string::npos);
  EXPECT_EQ(plain.find("<meta"), std::string::npos);
  t.program.session.editor.boxText[kSiteTitle] = "Caf\xE9 \x80";
  ASSERT_TRUE(ExportSession(t.program, exported));
  EXPECT_NE(testing::ReadFileBytes(exported).find("\r\n" + title + "\r\n"), std::string::npos);
}

TEST(SummaryReport, EmptyStatusList) {
  testing::TestProgram t;
  SetUpSession(t.program, {});
  ExpectReports(t, "empty");
}

TEST(SummaryReport, SuccessesAndFailuresWithAndWithoutHomeAddresses) {
  testing::TestProgram t;
  SetUpSession(t.program, kMixedEngines);
  t.program.deepPromotion.links = {"http://www.shop.test/a.htm"};
  SetCounters(t.program, "5", "2", "2");
  ExpectReports(t, "mixed");
}

TEST(SummaryReport, HeadingsFollowTheCountersNotTheRows) {
  testing::TestProgram t;
  SetUpSession(t.program, kMixedEngines);
  SetCounters(t.program, "0", "0", "0");
  ExpectReports(t, "zero_counters");
}

TEST(SummaryReport, DeepLinksOnlyForSearchEnginesAndAtMostTwentyFive) {
  testing::TestProgram t;
  SetUpSession(t.program, {{"Alpha", "http://alpha.test/", kSearchEngine, kSuccessful},
                           {"Beta", "http://beta.test/", kDirectory, kSuccessful}});
  for (int i = 1; i <= 27; ++i) {
    t.program.deepPromotion.links.push_back("http://www.shop.test/p" + std::to_string(i) + ".htm");
  }
  t.program.session.editor.check5 = kChecked;
  SetCounters(t.program, "2", "2", "0");
  ExpectReports(t, "deep_links");
}

TEST(SummaryReport, FileNameDropsOnlyTheSessionEnding) {
  const struct {
    const char* session;
    const char* suffix;
    const char* expected;
  } cases[] = {
      {"/a/SESSIONS/Shop.ses", ".htm", "Shop.htm"},
      {"/a/SESSIONS/Shop.SeS", ".txt", "Shop.txt"},
      {"New Session.ses", ".htm", "New Session.htm"},
      {"/a/my.session", ".htm", "my.session.htm"},
      {"/a/.ses", ".htm", ".ses.htm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReportFileName(c.session, c.suffix), c.expected) << c.session;
  }
}

}  // namespace
}  // namespace zentrova
