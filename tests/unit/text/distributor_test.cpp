#include "text/distributor.h"

#include <gtest/gtest.h>

#include "support/test_program.h"
#include "text/string_table.h"

namespace zentrova {
namespace {

using testing::TestProgram;

TEST(DistributorCodeIndex, FollowsTheCodeList) {
  const std::pair<std::string, int> cases[] = {
      {"a1", 0},   {"a9", 8},   {"a0", 9},  {"b0", 10}, {"b9", 19}, {"j9", 99},
      {"k0", 100}, {"k3", 103}, {"k4", -1}, {"A1", -1}, {"", -1},   {"a", -1},
      {"a10", -1}, {"l0", -1},  {"1a", -1}, {"a ", -1},
  };
  for (const auto& [code, index] : cases) {
    EXPECT_EQ(DistributorCodeIndex(code), index) << code;
  }
}

class LoadDistributorTest : public ::testing::Test {
 protected:
  // Gives every id of the block at `base` a text that names its offset.
  void FillBlock(int base) {
    auto& table = test.program.text.stringTable;
    table[base] = *ScrambleText("Maker");
    table[base + 1] = *ScrambleText("Call us");
    table[base + 2] = *ScrambleText("maker.example/<home>");
    for (int offset = 3; offset <= 7; ++offset) {
      table[base + offset] = *ScrambleText("https://maker.example/" + std::to_string(offset));
    }
  }
  void SetCode(const std::string& code) { test.settings.values[{"Registration", "Dealer"}] = code; }
  TestProgram test;
};

TEST_F(LoadDistributorTest, FillsTheTextsOfTheCodesBlock) {
  const std::pair<std::string, int> cases[] = {
      {"a1", 1000}, {"a0", 1090}, {"b0", 1100}, {"j9", 1990}, {"k3", 2030}};
  for (const auto& [code, base] : cases) {
    test.program.text = {};
    FillBlock(base);
    FillBlock(base + 10);  // the next block must not leak in
    test.program.text.stringTable[base + 10] = *ScrambleText("Wrong block");
    SetCode(code);
    ASSERT_TRUE(LoadDistributor(test.program)) << code;
    const auto& info = test.program.text.distributor;
    EXPECT_EQ(info.title, "Distributed by Maker") << code;
    EXPECT_EQ(info.contact, "Call us");
    EXPECT_EQ(info.webAddress, "http://maker.example/~home>");
    EXPECT_EQ(info.onlineHelpUrl, "https://maker.example/3");
    EXPECT_EQ(info.addNewEngineUrl, "https://maker.example/4");
    EXPECT_EQ(info.addPlugInsUrl, "https://maker.example/5");
    EXPECT_EQ(info.updateProgramUrl, "https://maker.example/6");
    EXPECT_EQ(info.techSupportUrl, "https://maker.example/7");
  }
  EXPECT_TRUE(test.dialogs.messages.empty());
  EXPECT_EQ(test.exitCount, 0);
}

TEST_F(LoadDistributorTest, MissingEntriesGiveEmptyTextsAndBareAddresses) {
  SetCode("a1");
  ASSERT_TRUE(LoadDistributor(test.program));
  EXPECT_EQ(test.program.text.distributor.title, "Distributed by ");
  EXPECT_EQ(test.program.text.distributor.contact, "");
  EXPECT_EQ(test.program.text.distributor.techSupportUrl, "http://");
}

TEST_F(LoadDistributorTest, CodeOutsideTheListEndsTheProgramWithTheMessage) {
  for (const char* code : {"k4", "A1", ""}) {
    TestProgram fresh;
    fresh.settings.values[{"Registration", "Dealer"}] = code;
    EXPECT_FALSE(LoadDistributor(fresh.program)) << code;
    ASSERT_EQ(fresh.dialogs.messages.size(), 1u) << code;
    const auto& message = fresh.dialogs.messages[0];
    EXPECT_EQ(message.text,
              "Initialization data is corrupted. Please run complete installation again");
    EXPECT_EQ(message.buttons, MessageButtons::Ok);
    EXPECT_EQ(message.title, "Zentrova");
    EXPECT_EQ(fresh.exitCount, 1) << code;
    EXPECT_EQ(fresh.program.text.distributor.title, "");
  }
}

}  // namespace
}  // namespace zentrova
