#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "run_output.h"
#include "submission_json.h"

namespace zentrova::tool {
namespace {

TEST(RunOutputTest, ProgressLineCountsTimeAndGivesWayAtTheEngineName) {
  struct Case {
    int elapsed;
    std::string engine;
    int width;
    std::string line;
  };
  const Case cases[] = {
      {0, "Alpha", 80, "engine 2 of 9  0:00  1 successful  0 failed  Alpha"},
      {3725, "Alpha", 80, "engine 2 of 9  1:02:05  1 successful  0 failed  Alpha"},
      // Cut to the width less one column, never inside a character.
      {59, "Caf\xC3\xA9 Directory", 49, "engine 2 of 9  0:59  1 successful  0 failed  Caf"},
      {59, "Caf\xC3\xA9 Directory", 50, "engine 2 of 9  0:59  1 successful  0 failed  Caf\xC3\xA9"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ProgressText(2, 9, c.elapsed, 1, 0, c.engine, c.width), c.line);
  }
}

TEST(RunOutputTest, SessionTimesBecomeIsoTimesOrNothing) {
  const std::pair<std::pair<std::string, std::string>, std::optional<std::string>> cases[] = {
      {{"12-10-2026", "23:05:09"}, "2026-12-10T23:05:09"},
      {{"12-10-2026", "00:00:00"}, std::nullopt},  // never taken
      {{"", "23:05:09"}, std::nullopt},
      {{"2026-12-10", "23:05:09"}, std::nullopt},
      {{"12-10-2026", "23:05"}, std::nullopt},
  };
  for (const auto& [given, iso] : cases) {
    EXPECT_EQ(IsoTime(given.first, given.second), iso) << given.first << ' ' << given.second;
  }
}

TEST(RunOutputTest, JsonCarriesSessionTextAsUtf8AndUnknownsAsNull) {
  EXPECT_EQ(Utf8FromWindows1252("caf\xE9 \x80 \x81!"), "caf\xC3\xA9 \xE2\x82\xAC \xEF\xBF\xBD!");
  SubmissionReport report;
  report.engine = "Tom \"&\" Jerry";
  report.address = "http://a/";
  report.verdict = "failed";
  EXPECT_EQ(SubmissionJson(report),
            R"({"address":"http://a/","engine":"Tom \"&\" Jerry","finished":null,)"
            R"("http_status":null,"reason":null,"started":null,"verdict":"failed"})");
}

}  // namespace
}  // namespace zentrova::tool
