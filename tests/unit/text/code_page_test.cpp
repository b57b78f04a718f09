#include "text/code_page.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova {
namespace {

TEST(CodePage, EveryByteBecomesItsCharacterInUtf8AndComesBack) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) {
    all += static_cast<char>(byte);
  }
  const std::string utf8 = Utf8FromWindows1252(all);
  EXPECT_TRUE(IsUtf8(utf8));
  const CodePageText back = Windows1252FromUtf8(utf8);
  EXPECT_EQ(back.bytes, all);
  EXPECT_EQ(back.unmappable, 0);
}

TEST(CodePage, ConvertsTheCodePagesOwnSigns) {
  const struct {
    std::string windows1252;
    std::string utf8;
  } cases[] = {
      {"Caf\xE9 cr\xE8me", "Caf\xC3\xA9 cr\xC3\xA8me"},
      {"\x80 \x84\x8A\x93 \x99", "\xE2\x82\xAC \xE2\x80\x9E\xC5\xA0\xE2\x80\x9C \xE2\x84\xA2"},
      {"plain", "plain"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Utf8FromWindows1252(c.windows1252), c.utf8);
    EXPECT_EQ(Windows1252FromUtf8(c.utf8).bytes, c.windows1252);
  }
}

TEST(CodePage, WhatTheCodePageCannotHoldIsCountedAndMarked) {
  const struct {
    std::string utf8;
    std::string windows1252;
    int unmappable;
  } cases[] = {
      {"\xC4\x80 and \xC3\xA9", "? and \xE9", 1},  // a letter beyond the code page
      {"a\xF0\x9F\x98\x80"
       "b",
       "a?b", 1},              // beyond the basic plane
      {"Caf\xE9", "Caf?", 1},  // not UTF-8 at all
      {"\xC0\xAF", "??", 2},   // an overlong form
      {"\xE2\x82", "??", 2},   // cut short
  };
  for (const auto& c : cases) {
    const CodePageText text = Windows1252FromUtf8(c.utf8);
    EXPECT_EQ(text.bytes, c.windows1252) << c.utf8;
    EXPECT_EQ(text.unmappable, c.unmappable) << c.utf8;
  }
  EXPECT_EQ(PathText("/home/j\xC3\xBCrgen/\xE2\x98\x95.ses"), "/home/j\xFCrgen/?.ses");
}

TEST(CodePage, TellsUtf8FromOtherBytes) {
  const struct {
    std::string bytes;
    bool utf8;
    bool nonAscii;
  } cases[] = {
      {"plain ascii", true, false},
      {"M\xC3\xBCller", true, true},
      {"M\xFCller", false, false},
      {"\xED\xA0\x80", false, false},  // a surrogate
      {"", true, false},
  };
  for (const auto& c : cases) {
    bool nonAscii = false;
    EXPECT_EQ(IsUtf8(c.bytes, &nonAscii), c.utf8) << c.bytes;
    if (c.utf8) {
      EXPECT_EQ(nonAscii, c.nonAscii) << c.bytes;
    }
  }
}

}  // namespace
}  // namespace zentrova
