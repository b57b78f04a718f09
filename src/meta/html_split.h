#pragma once

#include <cstddef>
#include <string>

#include "program/program.h"

namespace zentrova {

// The largest page the META generator reads: far above any real page, low enough that a
// hostile file is refused without being read whole.
inline constexpr std::size_t kMaxHtmlFileBytes = 32 * 1024 * 1024;

// A page cut around its head for the META copy.
struct HtmlParts {
  std::string headStart;  // up to and including the opening head tag
  std::string headRest;   // the head without TITLE elements and removable tags
  std::string headEnd;    // from the closing head tag through the opening body tag, or empty
  std::string bodyRest;   // after the body tag; without one, from the closing head tag on
  bool utf8 = false;      // the page is UTF-8, and the copy's inserted texts must be too
};

// Reads and splits the page; false, after the matching message, when it cannot be split.
bool SplitHtmlFile(Program& program, const std::string& path, HtmlParts& parts);

// The head cleaners; each returns the cleaned text.
std::string StripTitleElements(const std::string& text);
std::string StripHeadTags(const std::string& text);
std::string TrimLineBreaks(const std::string& text);

}  // namespace zentrova
