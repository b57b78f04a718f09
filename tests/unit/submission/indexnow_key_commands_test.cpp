#include "submission/indexnow_key_commands.h"

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace zentrova::testing {
namespace {

class IndexNowKeyCommandsTest : public ::testing::Test {
 protected:
  std::string& Box(int slot) { return t.program.session.editor.boxText[slot]; }
  TestProgram t;
  Program& program = t.program;
};

TEST_F(IndexNowKeyCommandsTest, GenerateAsksBeforeReplacingAKey) {
  ASSERT_TRUE(GenerateIndexNowKey(program));
  EXPECT_TRUE(t.dialogs.messages.empty());
  const std::string first = Box(kIndexNowKey);
  EXPECT_EQ(first.size(), 32u);
  EXPECT_FALSE(program.session.saved);

  t.dialogs.answers = {MessageAnswer::No};
  EXPECT_FALSE(GenerateIndexNowKey(program));
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_NE(t.dialogs.messages[0].text.find(first), std::string::npos);
  EXPECT_EQ(Box(kIndexNowKey), first);

  t.dialogs.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(GenerateIndexNowKey(program));
  EXPECT_NE(Box(kIndexNowKey), first);
}

TEST_F(IndexNowKeyCommandsTest, SaveKeyFileWritesTheKeyUnderItsOwnName) {
  Box(kIndexNowKey) = "abcdef12-3456";
  const std::string path = (t.root / "site" / "abcdef12-3456.txt").string();
  std::filesystem::create_directories(t.root / "site");
  t.dialogs.saveAnswers = {path};
  ASSERT_TRUE(SaveIndexNowKeyFile(program));
  ASSERT_EQ(t.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(t.dialogs.saveRequests[0].fileName, "abcdef12-3456.txt");
  EXPECT_EQ(ReadFileBytes(path), "abcdef12-3456");
}

TEST_F(IndexNowKeyCommandsTest, SaveKeyFileRefusesAMalformedKeyWithoutADialog) {
  Box(kIndexNowKey) = "bad key!";
  EXPECT_FALSE(SaveIndexNowKeyFile(program));
  EXPECT_TRUE(t.dialogs.saveRequests.empty());
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_NE(t.dialogs.messages[0].text.find("holds the character \" \""), std::string::npos)
      << t.dialogs.messages[0].text;
}

TEST_F(IndexNowKeyCommandsTest, CheckNamesTheAddressAndTheResult) {
  Box(kPageAddress) = "https://my.site/index.htm";
  Box(kIndexNowKey) = "abcdef123456";
  struct Case {
    HttpAnswer answer;
    std::string text;
  };
  const Case cases[] = {
      {{200, "abcdef123456\n", ""}, "holds the key:\r\nhttps://my.site/abcdef123456.txt"},
      {{404, "", ""}, "failed:\r\nhttps://my.site/abcdef123456.txt\r\nthe key file was not found"},
  };
  for (const Case& c : cases) {
    t.dialogs.messages.clear();
    CheckIndexNowKeyFileCommand(program);
    EXPECT_TRUE(t.dialogs.messages.empty());  // nothing is said before the answer
    ASSERT_EQ(t.http.sent.back().url, "https://my.site/abcdef123456.txt");
    ASSERT_TRUE(t.http.Answer(c.answer));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_NE(t.dialogs.messages[0].text.find(c.text), std::string::npos)
        << t.dialogs.messages[0].text;
  }

  // The box's own key file address is the one checked; no key means no request at all.
  Box(kIndexNowKeyFile) = "https://my.site/keys/k.txt";
  Box(kIndexNowKey).clear();
  t.dialogs.messages.clear();
  const size_t sent = t.http.sent.size();
  CheckIndexNowKeyFileCommand(program);
  EXPECT_EQ(t.http.sent.size(), sent);
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_NE(t.dialogs.messages[0].text.find("https://my.site/keys/k.txt\r\nno IndexNow key"),
            std::string::npos)
      << t.dialogs.messages[0].text;
}

}  // namespace
}  // namespace zentrova::testing
