#include "text/string_table.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::ReadFileBytes;
using testing::TestProgram;
using testing::WriteFileBytes;

TEST(RestoreText, MovesCodesAboveZDownOneAndTheOthersUpTwo) {
  struct Case {
    std::string stored;
    std::string restored;
  };
  const Case cases[] = {
      {"", ""},
      {"iuuq8--", "http://"},  // lower case and punctuation
      {"XY", "Z["},            // the last codes that move up
      {"Z[", "\\Z"},           // "Z" itself still moves up, "[" is the first to move down
      {"X[", "ZZ"},            // so two stored codes restore to "Z"
      {std::string("\x00\x01", 2), std::string("\x02\x03", 2)},
      {"\xFF\xE9", "\xFE\xE8"},  // Windows-1252 letters
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RestoreText(c.stored), c.restored) << c.stored;
  }
}

TEST(RestoreText, LongTextsFollowTheSameRuleAtEveryPosition) {
  // Long texts are restored several bytes at a time; every code must come out as it would
  // alone, whatever its neighbours and its place in the text.
  std::string stored;
  for (int round = 0; round < 3; ++round) {
    for (int code = 0; code < 256; ++code) {
      stored.push_back(static_cast<char>((code * 7 + round) % 256));
    }
  }
  const std::string restored = RestoreText(stored);
  ASSERT_EQ(restored.size(), stored.size());
  for (size_t i = 0; i < stored.size(); ++i) {
    EXPECT_EQ(restored[i], RestoreText(stored.substr(i, 1))[0]) << "position " << i;
  }
  EXPECT_EQ(RestoreText(std::string("\x58\x59\x5A\x5B\x5C\x7F\x80\xFF\x00\x01", 10)),
            std::string("\x5A\x5B\x5C\x5A\x5B\x7E\x7F\xFE\x02\x03", 10));
}

TEST(RestoreText, EveryLengthRestoresEachByteExactlyOnce) {
  // Short texts and the ragged end of long ones are restored as blocks that overlap: a byte
  // restored twice or left stored shows at some length and position below.
  for (size_t length = 0; length <= 40; ++length) {
    std::string stored;
    for (size_t i = 0; i < length; ++i) {
      stored.push_back(static_cast<char>((i * 37 + length * 11) % 256));
    }
    const std::string restored = RestoreText(stored);
    ASSERT_EQ(restored.size(), length);
    for (size_t i = 0; i < length; ++i) {
      EXPECT_EQ(restored[i], RestoreText(stored.substr(i, 1))[0])
          << "length " << length << ", position " << i;
    }
  }
}

TEST(ScrambleText, IsUndoneByRestoreTextForEveryStorableCode) {
  std::string all;
  for (int code = 2; code <= 254; ++code) {
    all.push_back(static_cast<char>(code));
  }
  const auto stored = ScrambleText(all);
  ASSERT_TRUE(stored);
  EXPECT_EQ(RestoreText(*stored), all);
  for (const char unstorable : {'\x00', '\x01', '\xFF'}) {
    EXPECT_FALSE(ScrambleText(std::string("ab") + unstorable)) << int(unstorable);
  }
}

TEST(NormaliseUrl, PrefixesHostsAndReplacesOnlyTheFirstAngleBracket) {
  struct Case {
    std::string text;
    std::string url;
  };
  const Case cases[] = {
      {"", "http://"},
      {"zentrova.example/", "http://zentrova.example/"},
      {"http://a.example/", "http://a.example/"},
      {"https://a.example/", "https://a.example/"},
      {"httpd.example", "httpd.example"},  // only the four letters are looked at
      {"HTTP://a.example", "http://HTTP://a.example"},
      {"htt", "http://htt"},
      {"a.example/<x<y", "http://a.example/~x<y"},
      {"<", "http://~"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseUrl(c.text), c.url) << c.text;
  }
}

TEST(LoadText, RestoresStoredEntriesAndGivesEmptyForMissingIds) {
  TestProgram test;
  test.program.text.stringTable = {{23, *ScrambleText("https://zentrova.example/")},
                                   {25, *ScrambleText("service/status.txt")},
                                   {1000, *ScrambleText("Zentrova")}};
  EXPECT_EQ(LoadText(test.program, 1000), "Zentrova");
  EXPECT_EQ(LoadText(test.program, 1001), "");
  EXPECT_EQ(ServiceStatusUrl(test.program), "https://zentrova.example/service/status.txt");
}

class StringTableFile : public ::testing::Test {
 protected:
  std::string Path() const { return test.program.folders.dataFolder + kStringTableFileName; }
  TestProgram test;
};

TEST_F(StringTableFile, RoundTripsEveryByteAndIdRange) {
  const std::map<int, std::string> table = {
      {0, ""}, {23, "abc"}, {1000, std::string("\x00\xFF,\r\n", 5)}, {65535, "last"}};
  ASSERT_TRUE(WriteStringTableFile(Path(), table));
  EXPECT_EQ(ReadStringTableFile(Path()), table);
  EXPECT_TRUE(LoadStringTable(test.program));
  EXPECT_EQ(test.program.text.stringTable, table);
}

TEST_F(StringTableFile, RefusesIdsAndTextsThatDoNotFitTheFormat) {
  EXPECT_FALSE(WriteStringTableFile(Path(), {{-1, "a"}}));
  EXPECT_FALSE(WriteStringTableFile(Path(), {{65536, "a"}}));
  EXPECT_FALSE(WriteStringTableFile(Path(), {{1, std::string(65536, 'a')}}));
  EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(StringTableFile, AFileFarLargerThanAnyTableIsRefusedUnread) {
  ASSERT_TRUE(WriteStringTableFile(Path(), {{23, "abc"}}));
  std::filesystem::resize_file(Path(), std::uintmax_t{2} << 30);
  EXPECT_FALSE(ReadStringTableFile(Path()));
  EXPECT_FALSE(LoadStringTable(test.program));
}

TEST_F(StringTableFile, RejectsDamagedFilesWithoutReadingPastThem) {
  ASSERT_TRUE(WriteStringTableFile(Path(), {{23, "abc"}, {25, "de"}}));
  const std::string good = ReadFileBytes(Path());
  // Offsets: signature 0-3, version 4-5, count 6-7, first entry id 8-9, length 10-11.
  std::vector<std::pair<const char*, std::string>> damaged = {
      {"empty", ""},
      {"cut in the last text", good.substr(0, good.size() - 1)},
      {"cut in a length", good.substr(0, 11)},
      {"trailing byte", good + "x"},
      {"signature", "ZSTA" + good.substr(4)},
      {"version", good.substr(0, 4) + "\x02" + good.substr(5)},
      {"count too large", good.substr(0, 6) + "\x03" + good.substr(7)},
      {"length too large", good.substr(0, 10) + "\xFF" + good.substr(11)},
      {"ids not increasing", good.substr(0, 8) + "\x19" + good.substr(9)},
  };
  for (const auto& [what, bytes] : damaged) {
    WriteFileBytes(Path(), bytes);
    EXPECT_FALSE(ReadStringTableFile(Path())) << what;
  }
  test.program.text.stringTable = {{1, "stale"}};
  EXPECT_FALSE(LoadStringTable(test.program));
  EXPECT_TRUE(test.program.text.stringTable.empty());
  std::filesystem::remove(Path());
  EXPECT_FALSE(ReadStringTableFile(Path()));
  EXPECT_FALSE(std::filesystem::exists(Path()));
}

}  // namespace
}  // namespace zentrova
