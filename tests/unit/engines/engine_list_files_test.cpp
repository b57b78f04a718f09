#include "engines/engine_list_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engines/categories.h"
#include "support/test_program.h"
#include "unit/engines/engine_list_test_database.h"

namespace zentrova {
namespace {

using Names = std::vector<std::string>;
using testing::LoadTestEngines;
using testing::MarkedEngines;
using testing::MarkRows;
using testing::ReadFileBytes;
using testing::TestProgram;
using testing::WriteFileBytes;

class EngineListFilesTest : public ::testing::Test {
 protected:
  EngineListFilesTest() {
    LoadTestEngines(program(), {{"Zeta Search", kSearchEngine, false},
                                {"Alpha Links", kLinkListing, false},
                                {"Mid News", kNews, false}});
    program().database.categoryGroups = {{"Zeta Search", 101, 1, {{"7", "Arts"}}}};
    program().session.saved = true;
  }

  Program& program() { return test.program; }
  std::string PathOf(const std::string& name) const { return (test.root / name).string(); }

  TestProgram test;
};

TEST_F(EngineListFilesTest, LoadingReplacesTheQueueWithTheNamedEnginesOnly) {
  MarkRows(program(), {"Zeta Search"});
  const std::string path = PathOf("queue.sel");
  WriteFileBytes(
      path, "Mid News\r\nNo Such Engine\r\nMid News\r\nAlpha Links \r\nmid news\r\nAlpha Links");

  LoadEngineList(program(), path);

  EXPECT_EQ(MarkedEngines(program()), (Names{"Alpha Links", "Mid News"}));
  EXPECT_EQ(program().engineLists.status.ready, "2");
  EXPECT_FALSE(program().session.saved);
}

// Refused rather than read as an empty list: the queue the user built stays.
TEST_F(EngineListFilesTest, AFileThatCannotBeReadIsReportedAndChangesNoMarks) {
  MarkRows(program(), {"Zeta Search"});
  program().session.saved = true;
  const std::string huge = PathOf("huge.sel");
  WriteFileBytes(huge, "Alpha Links\r\n");
  std::filesystem::resize_file(huge, std::uintmax_t{1} << 32);
  for (const std::string& path : {PathOf("missing.sel"), huge}) {
    SCOPED_TRACE(path);
    test.dialogs.openAnswers.push_back(path);
    test.dialogs.messages.clear();

    LoadEngineListCommand(program());

    EXPECT_EQ(MarkedEngines(program()), Names{"Zeta Search"});
    EXPECT_TRUE(program().session.saved);
    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text.rfind("Cannot read the file " + path + ": ", 0), 0u);
  }
}

// Each line once walked the whole engine list.
TEST(EngineListFiles, AFullTableAndALongListMatchLineByLine) {
  TestProgram test;
  std::vector<std::string> names;
  for (int i = 0; i < kMaxEngines; ++i) {
    names.push_back("Engine " + std::to_string(i));
  }
  std::vector<testing::TestEngine> engines;
  for (const std::string& name : names) {
    engines.push_back({name.c_str(), kSearchEngine, false});
  }
  LoadTestEngines(test.program, engines);
  std::string list;
  for (int line = 0; line < 400000; ++line) {
    list += "Engine " + std::to_string(line % 1000 + kMaxEngines - 2) + "\r\n";
  }
  const std::string path = (test.root / "long.sel").string();
  WriteFileBytes(path, list);
  ASSERT_TRUE(LoadEngineList(test.program, path));
  EXPECT_EQ(MarkedEngines(test.program), (Names{"Engine 498", "Engine 499"}));
}

TEST_F(EngineListFilesTest, AFailedSaveIsReported) {
  MarkRows(program(), {"Zeta Search"});
  const std::string path = PathOf("no such folder/queue.sel");
  test.dialogs.saveAnswers.push_back(path);

  SaveEngineListCommand(program());

  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text,
            "Cannot write the file " + path + ": No such file or directory");
}

TEST_F(EngineListFilesTest, SavingWritesPlainNamesInListOrderEachEndedByCrLf) {
  MarkRows(program(), {"Zeta Search", "Alpha Links"});
  ToggleEngineCategories(program());
  ASSERT_TRUE(program().categories.categoriesShown);
  const std::string path = PathOf("queue.sel");
  WriteFileBytes(path, "an older, longer list\r\n");

  SaveEngineList(program(), path);
  EXPECT_EQ(ReadFileBytes(path), "Alpha Links\r\nZeta Search\r\n");

  ToggleEngineCategories(program());
  MarkRows(program(), {"Mid News"});
  LoadEngineList(program(), path);
  EXPECT_EQ(MarkedEngines(program()), (Names{"Alpha Links", "Zeta Search"}));
}

TEST_F(EngineListFilesTest, NoMarksGiveAnEmptyFileAndAMissingFolderNoFile) {
  const std::string path = PathOf("empty.sel");
  SaveEngineList(program(), path);
  EXPECT_TRUE(std::filesystem::exists(path));
  EXPECT_EQ(std::filesystem::file_size(path), 0u);

  MarkRows(program(), {"Mid News"});
  const std::string unwritable = PathOf("no-such-folder/queue.sel");
  SaveEngineList(program(), unwritable);
  EXPECT_FALSE(std::filesystem::exists(unwritable));
}

TEST_F(EngineListFilesTest, LoadCommandHidesCategoriesAndBecomesTheNextSaveSuggestion) {
  const std::string loaded = PathOf("mine.sel");
  WriteFileBytes(loaded, "Zeta Search\r\n");
  ToggleEngineCategories(program());

  test.dialogs.openAnswers = {loaded};
  LoadEngineListCommand(program());
  EXPECT_FALSE(program().categories.categoriesShown);
  EXPECT_EQ(MarkedEngines(program()), (Names{"Zeta Search"}));
  EXPECT_EQ(program().engineLists.lastEngineListFile, loaded);

  test.dialogs.saveAnswers = {PathOf("other.sel")};
  SaveEngineListCommand(program());
  ASSERT_EQ(test.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(test.dialogs.saveRequests[0].fileName, loaded);
  // Saving does not move the suggestion.
  EXPECT_EQ(program().engineLists.lastEngineListFile, loaded);
}

TEST_F(EngineListFilesTest, CancelledDialogsChangeNothing) {
  MarkRows(program(), {"Mid News"});
  test.dialogs.openAnswers = {""};
  LoadEngineListCommand(program());
  EXPECT_EQ(MarkedEngines(program()), (Names{"Mid News"}));
  EXPECT_EQ(program().engineLists.lastEngineListFile, "Search Engine List.sel");

  test.dialogs.saveAnswers = {""};
  SaveEngineListCommand(program());
  EXPECT_EQ(test.dialogs.saveRequests.at(0).fileName, "Search Engine List.sel");
}

TEST_F(EngineListFilesTest, SaveCommandEndsEveryNameInSel) {
  MarkRows(program(), {"Mid News"});
  struct NameCase {
    const char* typed;
    const char* written;
  };
  const NameCase cases[] = {
      {"list", "list.sel"}, {"list.txt", "list.txt.sel"}, {"upper.SEL", "upper.SEL"}};
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.typed);
    test.dialogs.saveAnswers = {PathOf(c.typed)};
    SaveEngineListCommand(program());
    EXPECT_EQ(ReadFileBytes(PathOf(c.written)), "Mid News\r\n");
  }
  EXPECT_FALSE(std::filesystem::exists(PathOf("list")));
  EXPECT_FALSE(std::filesystem::exists(PathOf("list.txt")));
}

}  // namespace
}  // namespace zentrova
