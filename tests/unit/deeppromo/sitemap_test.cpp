#include "deeppromo/sitemap.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"

namespace zentrova {
namespace {

using Locations = std::vector<std::string>;

std::string Fixture(const std::string& name) {
  return testing::ReadFileBytes(std::string(ZENTROVA_FIXTURES) + "/deeppromo/" + name);
}

TEST(SitemapTest, UrlSetGivesThePageAddressesOnly) {
  const Sitemap sitemap = ParseSitemap(Fixture("sitemap.xml"));
  EXPECT_EQ(sitemap.kind, SitemapKind::UrlSet);
  // Entities decoded, CDATA taken as written, the image's own loc left out.
  EXPECT_EQ(sitemap.locations,
            (Locations{"http://www.site.example/", "http://www.site.example/search?q=shoes&page=2",
                       "http://www.site.example/a&b.htm"}));
}

TEST(SitemapTest, IndexGivesTheSitemapAddresses) {
  const Sitemap sitemap = ParseSitemap(Fixture("sitemap_index.xml"));
  EXPECT_EQ(sitemap.kind, SitemapKind::Index);
  EXPECT_EQ(sitemap.locations, (Locations{"http://www.site.example/sitemap-news.xml",
                                          "http://www.site.example/sitemap.xml",
                                          "http://www.site.example/sitemap-news.xml"}));
}

// Each "&" once looked for its ";" through the rest of the text.
TEST(SitemapTest, ALongLocOfAmpersandsIsReadInOnePass) {
  const std::string ampersands(10 * 1024 * 1024, '&');
  const std::string references = [] {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
      text += "&#";
    }
    return text;
  }();
  for (const std::string& loc : {ampersands, references}) {
    const Sitemap sitemap = ParseSitemap("<urlset><url><loc>" + loc + "</loc></url></urlset>");
    ASSERT_EQ(sitemap.locations.size(), 1u);
    EXPECT_EQ(sitemap.locations[0], loc);
  }
  const Sitemap decoded =
      ParseSitemap("<urlset><url><loc>a&#38;b&amp;c&#x26;&#3</loc></url></urlset>");
  EXPECT_EQ(decoded.locations, Locations{"a&b&c&&#3"});
}

TEST(SitemapTest, OtherDocumentsAreNoSitemaps) {
  const std::string documents[] = {
      Fixture("links.htm"),
      "",
      "<?xml version=\"1.0\"?><rss><channel><link>http://a.example</link></channel></rss>",
      "plain text <urlset>",
      "<urlset",
  };
  for (const std::string& document : documents) {
    EXPECT_EQ(ParseSitemap(document).kind, SitemapKind::None) << document;
  }
}

TEST(SitemapTest, PrefixedNamesAndOddSpellingsAreRead) {
  const Sitemap sitemap = ParseSitemap(
      "\xEF\xBB\xBF<!DOCTYPE x><sm:urlset xmlns:sm=\"urn:x\" note='a>b'>"
      "<sm:url><sm:loc>http://a.example/&#x41;&#66;</sm:loc></sm:url>"
      "<sm:url><sm:loc/></sm:url><sm:url><sm:loc>  </sm:loc></sm:url>"
      "<sm:url><sm:loc>http://b.example/&unknown;&#8364;</sm:loc></sm:url>"
      "<sm:url><sm:loc>http://cut.example");
  EXPECT_EQ(sitemap.kind, SitemapKind::UrlSet);
  EXPECT_EQ(sitemap.locations,
            (Locations{"http://a.example/AB", "http://b.example/&unknown;&#8364;",
                       "http://cut.example"}));
}

}  // namespace
}  // namespace zentrova
