#include "submission/reply_analysis.h"

#include <gtest/gtest.h>

#include "run_fixture.h"

namespace zentrova::testing {
namespace {

TEST(ReplySucceeded, AddressMarkersCompareUpToTheHostsSlashAndTextMarkersSearchTheText) {
  struct Case {
    const char* what;
    std::string marker;
    std::string url;
    std::string text;
    int status;
    bool success;
  };
  const Case cases[] = {
      {"same host, other path", "http://e.test/thanks/a.html", "http://e.test/other", "", 200,
       true},
      {"host-only marker against trailing slash", "http://e.test", "http://e.test/", "", 200,
       false},
      {"host-only marker equal", "http://e.test", "http://e.test", "", 200, true},
      {"host-only marker found in the text", "http://e.test", "http://e.test/",
       "see http://e.test now", 200, true},
      {"other host", "http://e.test/ok", "http://f.test/ok", "", 200, false},
      {"other host, marker in text", "http://e.test/ok", "http://f.test/", "go to http://e.test/ok",
       200, true},
      {"longer host sharing a prefix", "http://e.test/ok", "http://e.test.evil/ok", "", 200, false},
      {"address letter case", "http://E.test/ok", "http://e.test/ok", "", 200, false},
      {"text letter case", "Thank You", "http://e.test/", "thank you", 200, false},
      {"text found", "Thank You", "http://e.test/", "Thank You!", 200, true},
      {"capital scheme is a text marker", "HTTP://e.test/", "HTTP://e.test/", "", 200, false},
      {"empty marker, some text", "", "http://e.test/", "x", 200, true},
      {"empty marker, no text", "", "http://e.test/", "", 200, false},
      {"error status beats the address", "http://e.test/ok", "http://e.test/ok", "", 404, false},
      {"error status beats the text", "Thank", "http://e.test/", "Thank you", 500, false},
      {"status unknown", "Thank", "http://e.test/", "Thank you", 0, true},
      {"redirect status", "Thank", "http://e.test/", "Thank you", 302, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReplySucceeded(c.url, c.status, c.text, c.marker), c.success) << c.what;
  }
}

class ReplyTest : public RunFixture {};

TEST_F(ReplyTest, ARefusedSubmissionFailsAndKeepsItsText) {
  const int slot = AddEngine("Alpha");
  Engine(slot).successMarker = "http://reply.test/";
  StartOnlineRegistration(program);
  Reply("Forbidden", 403);
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
  EXPECT_EQ(ReplyFile("Alpha"), "Forbidden");
  EXPECT_NE(ReadFileBytes(AppPath("LOG/Alpha.htm")).find("HTTP status 403"), std::string::npos);
}

TEST_F(ReplyTest, ARequestThatGotNoReplyFailsWhateverTheMarkerAndKeepsTheBrowsersReason) {
  // The browser reports such a load at the action's own address, which an address marker on
  // the engine's host matches; an empty marker would match any text.
  for (const std::string marker : {"http://Alpha.test/", "http://Alpha.test/add", "", "Thank"}) {
    SCOPED_TRACE(marker);
    const int slot = AddEngine("Alpha");
    Engine(slot).successMarker = marker;
    StartOnlineRegistration(program);
    t.browser.FailNavigation("http://Alpha.test/add", "net::ERR_CONNECTION_REFUSED");
    EXPECT_EQ(Engine(slot).RegistrationStatus(), kFailed);
    EXPECT_EQ(ReplyFile("Alpha"), "No reply from the engine: net::ERR_CONNECTION_REFUSED");
    EXPECT_EQ(program.engineLists.engineList.MarkedCount(), 0);
  }
}

TEST_F(ReplyTest, ASuccessfulReplyKeepsNoText) {
  AddEngine("Alpha");
  StartOnlineRegistration(program);
  Reply("Thank you");
  EXPECT_FALSE(ReplyFileExists("Alpha"));
}

TEST_F(ReplyTest, NavigationsWithoutAddressOrDuringLinkExtractionAreNotReplies) {
  const int slot = AddEngine("Alpha");
  StartOnlineRegistration(program);
  t.browser.CompleteNavigation("", "Thank you");
  EXPECT_EQ(program.run.browserTask, kAwaitingReply);
  program.deepPromotion.extraction.pending = true;
  Reply("Thank you");
  EXPECT_EQ(program.run.browserTask, kAwaitingReply);
  program.deepPromotion.extraction.pending = false;
  Reply("Thank you");
  EXPECT_EQ(Engine(slot).RegistrationStatus(), kSuccessful);
}

TEST_F(ReplyTest, ReplyTextIsStoredAsADeclaredUtf8PageUnderASafeName) {
  struct Case {
    std::string engineName;
    std::string fileName;
  };
  const Case cases[] = {
      {"Plain", "Plain.htm"},
      {"a/../../b", "a_.._.._b.htm"},
      {".", "_.htm"},
      {"..", "_.htm"},
      {std::string("nul\0x", 5), "nul_x.htm"},
      {"*", "*.htm"},
      {"Star?*[x]", "Star?*[x].htm"},
      {"Caf\xE9", "Caf\xC3\xA9.htm"},
  };
  WriteFileBytes(AppPath("LOG/other.htm"), "keep");
  const std::string text = "line 1\r\n\xE9t\xE9\tend";
  for (const auto& c : cases) {
    EXPECT_EQ(ReplyTextFileName(c.engineName), c.fileName);
    SaveReplyText(program, c.engineName, text, 0);
    EXPECT_EQ(ReadFileBytes(AppPath("LOG/" + c.fileName)),
              "<meta charset=\"utf-8\">\r\n<pre style=\"white-space: pre-wrap\">line 1\r\n"
              "\xC3\xA9t\xC3\xA9\tend</pre>")
        << c.fileName;
  }
  // "*" named one file, not every page of the folder.
  EXPECT_EQ(ReadFileBytes(AppPath("LOG/other.htm")), "keep");
  EXPECT_FALSE(std::filesystem::exists(t.root / "b.htm"));
}

TEST(ReplyTextPage, ShowsTheReplyAsTextAfterTheRefusalsStatus) {
  struct Case {
    const char* what;
    std::string text;
    int httpStatus;
    std::string page;  // after the UTF-8 declaration; empty: no page at all
  };
  const std::string pre = "<pre style=\"white-space: pre-wrap\">";
  const std::string refused = "<p>The engine refused the submission with HTTP status 500.</p>\r\n";
  const Case cases[] = {
      {"markup in the text stays text", "<script>alert(\"x\")</script> & more", 200,
       pre + "&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; more</pre>"},
      {"a refusal that says thank you", "Thank you", 500, refused + pre + "Thank you</pre>"},
      {"a refusal without text", "", 500, refused},
      {"a redirect is no refusal", "Moved", 302, pre + "Moved</pre>"},
      {"nothing to show", "", 0, ""},
  };
  for (const auto& c : cases) {
    const std::string page = ReplyTextPage(c.text, c.httpStatus);
    EXPECT_EQ(page, c.page.empty() ? "" : "<meta charset=\"utf-8\">\r\n" + c.page) << c.what;
    EXPECT_EQ(KeptReplyText(page), c.httpStatus >= 400 && c.text.empty() ? refused : c.text)
        << c.what;
  }
}

TEST_F(ReplyTest, AnEmptyReplyTextLeavesAnEmptyFile) {
  SaveReplyText(program, "Alpha", "old text", 0);
  SaveReplyText(program, "Alpha", "", 0);
  EXPECT_TRUE(ReplyFileExists("Alpha"));
  EXPECT_EQ(ReplyFile("Alpha"), "");
}

}  // namespace
}  // namespace zentrova::testing
