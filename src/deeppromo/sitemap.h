#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zentrova {

enum class SitemapKind { None, UrlSet, Index };

// What an XML sitemap lists: page addresses (a urlset) or further sitemaps (a sitemap index).
struct Sitemap {
  SitemapKind kind = SitemapKind::None;
  std::vector<std::string> locations;
};

// Reads the loc of every url (urlset) or sitemap (index) element, in document order; any
// other document, HTML included, gives kind None.
Sitemap ParseSitemap(std::string_view source);

}  // namespace zentrova
