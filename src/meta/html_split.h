#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// A page cut around its head for the META copy.
struct HtmlParts {
  std::string headStart;  // up to and including the opening head tag
  std::string headRest;   // the head without TITLE elements and removable tags
  std::string headEnd;    // from the closing head tag through the opening body tag, or empty
  std::string bodyRest;   // after the body tag; without one, from the closing head tag on
};

// Reads and splits the page; false, after the matching message, when it cannot be split.
bool SplitHtmlFile(Program& program, const std::string& path, HtmlParts& parts);

// The head cleaners; each returns the cleaned text.
std::string StripTitleElements(const std::string& text);
std::string StripHeadTags(const std::string& text);
std::string TrimLineBreaks(const std::string& text);

}  // namespace zentrova
