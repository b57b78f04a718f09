#include "deeppromo/link_extraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "deeppromo/link_dialog.h"
#include "program/wiring.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using Links = std::vector<std::string>;

std::string FixturePath(const std::string& name) {
  return std::string(ZENTROVA_FIXTURES) + "/deeppromo/" + name;
}

class LinkExtractionTest : public ::testing::Test {
 protected:
  LinkExtractionTest() {
    ConnectPorts(program());
    ShowLinkDialog(program());
  }

  Program& program() { return test.program; }
  LinkDialogState& dialog() { return test.program.deepPromotion.dialog; }
  const Links& links() { return test.program.deepPromotion.links; }

  void StartWebExtraction(const std::string& address) {
    SetFrame(program(), kWebSiteFrame);
    dialog().webAddress = address;
    ExtractLinksFromWebSite(program());
  }
  // The browser shows a page: its source, the links the document resolved, its completion.
  void PageLoads(const std::string& url, const std::string& source, const Links& pageLinks) {
    test.browser.pageSource = source;
    test.browser.links = pageLinks;
    test.browser.CompleteNavigation(url, "");
    test.browser.CompleteDocument(url);
  }
  // Whether the controls are back as they are when nothing runs.
  bool ControlsFree() {
    const BusyControls& busy = program().busy;
    return busy.extractFromWeb && !busy.extractStop && busy.runRegistration && busy.runBatch &&
           busy.deepPromotionFrame;
  }

  testing::TestProgram test;
};

TEST_F(LinkExtractionTest, LocalFileGivesOnlyTheWebLinksOfItsDocument) {
  SetFrame(program(), kLocalFileFrame);
  dialog().filePath = FixturePath("links.htm");
  ExtractLinksFromFile(program());
  EXPECT_EQ(test.browser.navigations, Links{"file://" + FixturePath("links.htm")});
  EXPECT_TRUE(ExtractingFromWeb(program()));
  // A local file locks nothing and asks nothing.
  EXPECT_TRUE(ControlsFree());
  EXPECT_TRUE(test.dialogs.messages.empty());

  PageLoads("file://" + FixturePath("links.htm"), testing::ReadFileBytes(FixturePath("links.htm")),
            {"file://" + FixturePath("other.htm"), "http://www.site.example/products/",
             "https://secure.site.example/login", "mailto:owner@site.example",
             "javascript:window.close()", "http://www.site.example/products"});
  EXPECT_EQ(links(),
            (Links{"http://www.site.example/products", "https://secure.site.example/login"}));
  EXPECT_FALSE(ExtractingFromWeb(program()));
  EXPECT_FALSE(dialog().visible);
  EXPECT_FALSE(program().session.saved);
  EXPECT_TRUE(ControlsFree());
}

TEST_F(LinkExtractionTest, LocalCopyLinksNameTheSessionsSiteAndAnEmptyHarvestIsSaid) {
  program().session.profile[kPageAddress] = "http://www.site.example/shop/index.html";
  SetFrame(program(), kLocalFileFrame);
  dialog().filePath = FixturePath("links.htm");
  const Links pageLinks{"file://" + FixturePath("other.htm"), "file://" + FixturePath("sub/a.htm"),
                        "file:///elsewhere/x.htm"};
  ExtractLinksFromFile(program());
  PageLoads("file://" + FixturePath("links.htm"), "", pageLinks);
  EXPECT_EQ(links(), (Links{"http://www.site.example/shop/other.htm",
                            "http://www.site.example/shop/sub/a.htm"}));
  EXPECT_TRUE(test.dialogs.messages.empty());

  ExtractLinksFromFile(program());
  PageLoads("file://" + FixturePath("links.htm"), "", pageLinks);
  EXPECT_EQ(links().size(), 2u);
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, "No new links were found for the Deep Promotion list.");
}

TEST_F(LinkExtractionTest, LocalFileThatIsNotThereIsRefused) {
  SetFrame(program(), kLocalFileFrame);
  for (const std::string& path : {std::string(), FixturePath("missing.htm"), FixturePath("")}) {
    dialog().filePath = path;
    ExtractLinksFromFile(program());
  }
  ASSERT_EQ(test.dialogs.messages.size(), 3u);
  for (const auto& message : test.dialogs.messages) {
    EXPECT_EQ(message.text, "Choose the HTML file for the Link extraction.");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
  }
  EXPECT_TRUE(test.browser.navigations.empty());
  EXPECT_FALSE(ExtractingFromWeb(program()));
}

TEST_F(LinkExtractionTest, WebSiteAsksOnceThenHoldsTheControlsUntilItsPageHasLoaded) {
  test.dialogs.answers = {MessageAnswer::No};
  StartWebExtraction("www.site.example");
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text,
            "Do you want to extract a links Now? If Yes, Please, connect to Internet and press "
            "'Yes'.");
  EXPECT_TRUE(test.browser.navigations.empty());
  EXPECT_FALSE(program().run.onlineConfirmed);

  StartWebExtraction("www.site.example");
  EXPECT_TRUE(program().run.onlineConfirmed);
  EXPECT_EQ(test.browser.navigations, Links{"http://www.site.example"});
  EXPECT_FALSE(program().busy.runRegistration);
  EXPECT_TRUE(program().busy.extractStop);
  EXPECT_TRUE(test.replyTimer.enabled);

  PageLoads("http://www.site.example/", "<html></html>",
            {"http://www.site.example/a.htm", "mailto:x@site.example"});
  EXPECT_EQ(links(), Links{"http://www.site.example/a.htm"});
  EXPECT_TRUE(ControlsFree());
  EXPECT_FALSE(test.replyTimer.enabled);
  EXPECT_FALSE(dialog().visible);

  // Confirmed once, never asked again.
  StartWebExtraction("https://www.site.example");
  EXPECT_EQ(test.dialogs.messages.size(), 2u);
  EXPECT_EQ(test.browser.navigations.back(), "https://www.site.example");
}

TEST_F(LinkExtractionTest, WebSiteWithAnEmptyBoxIsRefused) {
  StartWebExtraction("");
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, "Type the Web Site for the Link extraction.");
  EXPECT_TRUE(test.browser.navigations.empty());
}

TEST_F(LinkExtractionTest, UnreachableSiteEndsAfterTheReplyTimeOutAndGivesTheTimerBack) {
  int runTicks = 0;
  test.replyTimer.onTick = [&runTicks] { ++runTicks; };
  program().deepPromotion.links = {"http://kept.example"};
  StartWebExtraction("unreachable.example");
  EXPECT_EQ(test.replyTimer.interval, 30000);

  test.replyTimer.Fire();
  EXPECT_EQ(runTicks, 0);
  EXPECT_FALSE(ExtractingFromWeb(program()));
  EXPECT_EQ(test.browser.stopCount, 1);
  EXPECT_TRUE(ControlsFree());
  EXPECT_EQ(links(), Links{"http://kept.example"});

  // A page that comes after all adds nothing.
  PageLoads("http://unreachable.example/", "", {"http://late.example/"});
  EXPECT_EQ(links(), Links{"http://kept.example"});

  test.replyTimer.SetEnabled(true);
  test.replyTimer.Fire();
  EXPECT_EQ(runTicks, 1);
}

TEST_F(LinkExtractionTest, StopEndsTheExtractionAndRemovesDuplicates) {
  program().deepPromotion.links = {"http://a.example", "http://a.example"};
  StartWebExtraction("www.site.example");
  StopLinkExtraction(program());
  EXPECT_FALSE(ExtractingFromWeb(program()));
  EXPECT_TRUE(ControlsFree());
  EXPECT_FALSE(test.replyTimer.enabled);
  EXPECT_EQ(links(), Links{"http://a.example"});
  EXPECT_TRUE(dialog().visible);
}

TEST_F(LinkExtractionTest, SitemapGivesItsPageAddresses) {
  StartWebExtraction("www.site.example/sitemap.xml");
  PageLoads("http://www.site.example/sitemap.xml",
            testing::ReadFileBytes(FixturePath("sitemap.xml")), {});
  EXPECT_EQ(links(),
            (Links{"http://www.site.example", "http://www.site.example/search?q=shoes&page=2",
                   "http://www.site.example/a&b.htm"}));
  EXPECT_TRUE(ControlsFree());
}

TEST_F(LinkExtractionTest, SitemapIndexFetchesEachSitemapOnceInTurn) {
  StartWebExtraction("www.site.example/sitemap_index.xml");
  PageLoads("http://www.site.example/sitemap_index.xml",
            testing::ReadFileBytes(FixturePath("sitemap_index.xml")), {});
  EXPECT_EQ(test.browser.navigations.back(), "http://www.site.example/sitemap-news.xml");
  EXPECT_TRUE(ExtractingFromWeb(program()));
  EXPECT_TRUE(program().busy.extractStop);

  PageLoads("http://www.site.example/sitemap-news.xml",
            testing::ReadFileBytes(FixturePath("sitemap_news.xml")), {});
  EXPECT_EQ(test.browser.navigations.back(), "http://www.site.example/sitemap.xml");
  EXPECT_TRUE(dialog().visible);

  // An index that names itself again is not fetched twice.
  PageLoads("http://www.site.example/sitemap.xml",
            testing::ReadFileBytes(FixturePath("sitemap_index.xml")), {});
  EXPECT_FALSE(ExtractingFromWeb(program()));
  EXPECT_EQ(test.browser.navigations.size(), 3u);
  EXPECT_EQ(links(), (Links{"http://www.site.example/news/1", "http://www.site.example"}));
  EXPECT_TRUE(ControlsFree());
  EXPECT_FALSE(dialog().visible);
}

TEST_F(LinkExtractionTest, SitemapIndexEntriesAreFetchedOnlyWhenTheyAreWebAddresses) {
  StartWebExtraction("www.site.example/sitemap_index.xml");
  PageLoads("http://www.site.example/sitemap_index.xml",
            "<sitemapindex>"
            "<sitemap><loc>file:///etc/passwd</loc></sitemap>"
            "<sitemap><loc>javascript:alert(1)</loc></sitemap>"
            "<sitemap><loc>ftp://www.site.example/a.xml</loc></sitemap>"
            "<sitemap><loc>/relative.xml</loc></sitemap>"
            "<sitemap><loc>HTTPS://www.site.example/b.xml</loc></sitemap>"
            "</sitemapindex>",
            {});
  EXPECT_EQ(test.browser.navigations.size(), 2u);
  EXPECT_EQ(test.browser.navigations.back(), "HTTPS://www.site.example/b.xml");

  PageLoads("HTTPS://www.site.example/b.xml",
            "<sitemapindex><sitemap><loc>file:///home/user/secret.xml</loc></sitemap>"
            "</sitemapindex>",
            {});
  EXPECT_EQ(test.browser.navigations.size(), 2u);
  EXPECT_FALSE(ExtractingFromWeb(program()));
  EXPECT_TRUE(ControlsFree());
}

TEST_F(LinkExtractionTest, LocalSitemapIndexGoesOnlineLikeAWebExtraction) {
  SetFrame(program(), kLocalFileFrame);
  dialog().filePath = FixturePath("sitemap_index.xml");
  ExtractLinksFromFile(program());
  PageLoads("file://" + FixturePath("sitemap_index.xml"),
            testing::ReadFileBytes(FixturePath("sitemap_index.xml")), {});
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::Question);
  EXPECT_TRUE(program().busy.extractStop);
  EXPECT_TRUE(test.replyTimer.enabled);

  test.replyTimer.Fire();
  EXPECT_TRUE(ControlsFree());
  EXPECT_FALSE(ExtractingFromWeb(program()));
}

}  // namespace
}  // namespace zentrova
