#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// A sitemap index may name indexes in turn; this many sitemaps at most are fetched.
inline constexpr int kMaxSitemapFetches = 1000;

// True while an extraction waits for its page: navigations then belong to it, not to a
// submission.
bool ExtractingFromWeb(const Program& program);
// The browser's document-completed event.
void OnDocumentCompleted(Program& program);

// "Extract" in the local file frame and in the web site frame, and the web frame's "Stop".
void ExtractLinksFromFile(Program& program);
void ExtractLinksFromWebSite(Program& program);
void StopLinkExtraction(Program& program);

// Takes the links of the document that has just loaded (or the addresses of the sitemap it
// is) into the list.
void ExtractLinksFromDocument(Program& program);

}  // namespace zentrova
