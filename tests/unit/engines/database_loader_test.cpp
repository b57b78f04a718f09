#include "engines/database_loader.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "engines/database_records.h"
#include "support/test_program.h"
#include "unit/engines/database_test_file.h"

namespace zentrova {
namespace {

using testing::DatabaseFile;
using testing::DatabaseHeader;
using testing::LengthWord;
using testing::ReadFileBytes;
using testing::ScrambledRecord;
using testing::TestProgram;
using testing::WriteFileBytes;

constexpr char kCorrupted[] =
    "Initialization submission database is corrupted. Please run complete installation again";

class DatabaseLoader : public ::testing::Test {
 protected:
  std::string Path() const { return test.program.folders.dataFolder + kDatabaseFileName; }
  bool Load(const std::string& bytes) {
    WriteFileBytes(Path(), bytes);
    return LoadSubmissionDatabase(test.program, Path());
  }
  std::string ManualPage() const { return ReadFileBytes(ManualPagePath(test.program)); }
  const SubmissionDatabase& Database() const { return test.program.database; }

  TestProgram test;
};

TEST_F(DatabaseLoader, TakesTheIndexNowProtocolOfTheEngineBeingBuilt) {
  ASSERT_TRUE(Load(DatabaseFile({
      "6indexnow",
      "1url,%001",
      "2Speaks,https://a.example/,FFhttps://a.example/indexnow,GS",
      "2Form,ok,FFhttps://b.example/,PS",
      "6soap",  // another protocol is not known here: the engine keeps its form
      "2Other,ok,FFhttps://c.example/,PS",
  })));
  ASSERT_EQ(Database().EngineCount(), 3);
  EXPECT_EQ(Database().Engine(1).protocol, kIndexNowProtocol);
  EXPECT_EQ(Database().Engine(1).fieldCount, 1);
  EXPECT_EQ(Database().Engine(2).protocol, kFormProtocol);
  EXPECT_EQ(Database().Engine(3).protocol, kFormProtocol);
}

TEST_F(DatabaseLoader, BuildsEnginesFromTheirFieldAndEngineRecords) {
  ASSERT_TRUE(Load(DatabaseFile({
      "1url,%001",
      "3Beta,120",  // groups and page lines do not disturb the engine being built
      "5<html>",
      "1q,a,b,c",  // the value keeps its further commas
      "2Alpha,Thank you,FThttps://alpha.example/add,GShttps://alpha.example/",
      "2Beta,https://beta.example/ok,TFhttps://beta.example/post,PD",
      "2Gamma,ok,tthttps://g.example/,gs",  // lower case letters count for nothing
      "2Delta,ok,FFhttps://d.example/,XN",
      "1orphan,value",  // after the last engine: never used
  })));
  const auto& db = Database();
  ASSERT_EQ(db.EngineCount(), 4);
  EXPECT_EQ(db.engineSlotCount, 5);

  const EngineRecord& alpha = db.Engine(1);
  EXPECT_EQ(alpha.name, "Alpha");
  EXPECT_EQ(alpha.successMarker, "Thank you");
  EXPECT_FALSE(alpha.noAdult);
  EXPECT_TRUE(alpha.specialized);
  EXPECT_EQ(alpha.actionUrl, "https://alpha.example/add");
  EXPECT_EQ(alpha.method, kGet);
  EXPECT_EQ(alpha.kind, kSearchEngine);
  EXPECT_EQ(alpha.homeUrl, "https://alpha.example/");
  ASSERT_EQ(alpha.fieldCount, 2);
  EXPECT_EQ(alpha.fieldNames[1], "url");
  EXPECT_EQ(alpha.fieldValues[1], "%001");
  EXPECT_EQ(alpha.fieldNames[2], "q");
  EXPECT_EQ(alpha.fieldValues[2], "a,b,c");

  const EngineRecord& beta = db.Engine(2);
  EXPECT_EQ(beta.fieldCount, 0);
  EXPECT_TRUE(beta.noAdult);
  EXPECT_FALSE(beta.specialized);
  EXPECT_EQ(beta.method, kPost);
  EXPECT_EQ(beta.kind, kDirectory);
  EXPECT_EQ(beta.homeUrl, "");

  const EngineRecord& gamma = db.Engine(3);
  EXPECT_FALSE(gamma.noAdult);
  EXPECT_FALSE(gamma.specialized);
  EXPECT_EQ(gamma.method, kPost);
  EXPECT_EQ(gamma.kind, kLinkListing);
  EXPECT_EQ(db.Engine(4).kind, kNews);
  EXPECT_EQ(db.Engine(4).method, kPost);
  for (int slot = 1; slot <= 4; ++slot) {
    EXPECT_EQ(db.Engine(slot).RegistrationStatus(), kNotSubmitted);
    EXPECT_EQ(db.Engine(slot).startedAt, "");
  }
  EXPECT_TRUE(test.dialogs.messages.empty());
  EXPECT_EQ(test.exitCount, 0);
}

TEST_F(DatabaseLoader, HandsGroupsToTheCategoriesAndWritesTheManualPage) {
  ASSERT_TRUE(Load(DatabaseFile({
      "4lost[]Before any group",
      "3Zeta,120",
      "4arts[]Arts",
      "5<html>",
      "4sci[]Science [] Nature",  // the caption keeps a further "[]"
      "",                         // an empty record and an unknown kind are skipped
      "9whatever",
      "3Alpha,  7 ",
      "5",
      "5</html>",
  })));
  const auto& groups = Database().categoryGroups;
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].title, "Zeta");
  EXPECT_EQ(groups[0].profileField, 120);
  EXPECT_EQ(groups[0].chosen, 2);  // counts the entries while loading
  ASSERT_EQ(groups[0].entries.size(), 2u);
  EXPECT_EQ(groups[0].entries[0].value, "arts");
  EXPECT_EQ(groups[0].entries[0].caption, "Arts");
  EXPECT_EQ(groups[0].entries[1].value, "sci");
  EXPECT_EQ(groups[0].entries[1].caption, "Science [] Nature");
  EXPECT_EQ(groups[1].profileField, 7);
  EXPECT_TRUE(groups[1].entries.empty());

  // The group list is alphabetical, with the group number as item data.
  const auto& list = test.program.categories.groupList;
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Row(0).text, "Alpha");
  EXPECT_EQ(list.Row(0).data, 2);
  EXPECT_EQ(list.Row(1).text, "Zeta");
  EXPECT_EQ(list.Row(1).data, 1);

  EXPECT_EQ(Database().manualPageLines, (std::vector<std::string>{"<html>", "", "</html>"}));
  EXPECT_EQ(ManualPage(), "<meta charset=\"utf-8\">\r\n<html>\r\n\r\n</html>\r\n");
  EXPECT_EQ(Database().EngineCount(), 0);
}

TEST_F(DatabaseLoader, EndMarkerOrEndOfFileStopsTheData) {
  // Data after the end marker is never read, even when it would be malformed.
  ASSERT_TRUE(
      Load(DatabaseHeader() + LengthWord(0) + ScrambledRecord("2A,m,FFa,GS") + LengthWord(5)));
  EXPECT_EQ(Database().EngineCount(), 0);
  EXPECT_EQ(Database().engineSlotCount, 1);
  EXPECT_TRUE(Database().categoryGroups.empty());
  EXPECT_EQ(ManualPage(), "");
  EXPECT_TRUE(std::filesystem::exists(ManualPagePath(test.program)));

  // Without a marker, and with an empty record (W = 17890) before the engine.
  ASSERT_TRUE(Load(DatabaseHeader() + LengthWord(17890) + ScrambledRecord("2A,m,FFa,GS")));
  EXPECT_EQ(Database().EngineCount(), 1);
  EXPECT_EQ(Database().engineSlotCount, 2);
}

TEST_F(DatabaseLoader, OpeningSettlesTheSlotCountToTheEnginesLoaded) {
  // What start-up and the companion tool both see: every walk over the table meets exactly
  // the loaded engines, none past them.
  WriteFileBytes(Path(), DatabaseHeader() + LengthWord(17890) + ScrambledRecord("2A,m,FFa,GS") +
                             ScrambledRecord("2B,m,FFb,GS"));
  ASSERT_TRUE(OpenSubmissionDatabase(test.program, Path()));
  EXPECT_EQ(Database().EngineCount(), 2);
  EXPECT_EQ(Database().engineSlotCount, 2);

  WriteFileBytes(Path(), "damaged");
  EXPECT_FALSE(OpenSubmissionDatabase(test.program, Path()));
}

TEST_F(DatabaseLoader, RejectsDamagedFilesWholeWithTheDatabaseMessage) {
  const std::string engine = "2A,m,FFa,GS";
  std::vector<std::string> thirtyOneFields(31, "1f,v");
  thirtyOneFields.push_back(engine);
  std::vector<std::string> tooManyEngines(501, engine);
  std::vector<std::string> tooManyGroups(401, "3G,100");
  std::vector<std::string> tooManyEntries = {"3G,100"};
  tooManyEntries.insert(tooManyEntries.end(), 401, "4v[]c");

  const std::pair<const char*, std::string> cases[] = {
      {"shorter than the header", std::string(625, 'H')},
      {"header of zero bytes", std::string(626, '\0') + LengthWord(0)},
      {"length word 1", DatabaseHeader() + LengthWord(1) + "x"},
      {"length word 17889", DatabaseHeader() + LengthWord(17889)},
      {"negative length word", DatabaseHeader() + LengthWord(-5)},
      {"record cut off", DatabaseHeader() + ScrambledRecord("5abcdef").substr(0, 6)},
      {"half a length word", DatabaseFile({engine}).substr(0, 626 + 13) + "\x01"},
      {"field without comma", DatabaseFile({"1name", engine})},
      {"engine without its first comma", DatabaseFile({"2A"})},
      {"engine without its second comma", DatabaseFile({"2A,marker"})},
      {"engine without the action's comma", DatabaseFile({"2A,m,FFhttps://a.example/"})},
      {"engine with no room for flags", DatabaseFile({"2A,m,F"})},
      {"group without comma", DatabaseFile({"3G"})},
      {"group number not a number", DatabaseFile({"3G,abc"})},
      {"group number beyond 16 bits", DatabaseFile({"3G,40000"})},
      {"group number no profile slot", DatabaseFile({"3G,1000"})},
      {"group number zero", DatabaseFile({"3G,0"})},
      {"group number negative", DatabaseFile({"3G,-3"})},
      {"entry without []", DatabaseFile({"3G,100", "4value caption"})},
      {"31 fields", DatabaseFile(thirtyOneFields)},
      {"501 engines", DatabaseFile(tooManyEngines)},
      {"401 groups", DatabaseFile(tooManyGroups)},
      {"401 entries", DatabaseFile(tooManyEntries)},
  };
  for (const auto& [what, bytes] : cases) {
    TestProgram fresh;
    const std::string path = fresh.program.folders.dataFolder + kDatabaseFileName;
    WriteFileBytes(path, bytes);
    EXPECT_FALSE(LoadSubmissionDatabase(fresh.program, path)) << what;
    ASSERT_EQ(fresh.dialogs.messages.size(), 1u) << what;
    EXPECT_EQ(fresh.dialogs.messages[0].text, kCorrupted);
    EXPECT_EQ(fresh.dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(fresh.dialogs.messages[0].title, "Zentrova");
    EXPECT_EQ(fresh.exitCount, 1) << what;
    EXPECT_EQ(fresh.program.database.EngineCount(), 0) << what;
    EXPECT_TRUE(fresh.program.database.categoryGroups.empty()) << what;
    EXPECT_EQ(fresh.program.categories.groupList.Count(), 0) << what;
    EXPECT_FALSE(std::filesystem::exists(ManualPagePath(fresh.program))) << what;
  }
}

TEST_F(DatabaseLoader, CategoryEntriesLiveAsLongAsAnyCopyOfTheirDatabase) {
  // Entries view the file's restored bytes: a rejected reload must hand back the old
  // database with its texts, and a copy must keep them when the original is gone.
  ASSERT_TRUE(Load(DatabaseFile({"3Alpha,120", "4arts[]Arts", "4sci[]Science"})));
  EXPECT_FALSE(Load(DatabaseFile({"3Beta,121", "4x[]Taken before the damage", "3Broken"})));
  const SubmissionDatabase copy = Database();
  test.program.database = SubmissionDatabase();
  ASSERT_EQ(copy.categoryGroups.size(), 1u);
  const auto& entries = copy.categoryGroups[0].entries;
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].value, "arts");
  EXPECT_EQ(entries[1].caption, "Science");
}

TEST_F(DatabaseLoader, AcceptsTablesFilledToTheirLimits) {
  std::vector<std::string> records;
  for (int engine = 1; engine <= kMaxEngines; ++engine) {
    if (engine == 1) {
      records.insert(records.end(), kMaxFormFields, "1f,v");
    }
    records.push_back("2Engine " + std::to_string(engine) + ",ok,FFa,GS");
  }
  for (int group = 1; group <= kMaxCategoryGroups; ++group) {
    records.push_back("3Group " + std::to_string(group) + ",999");
  }
  records.insert(records.end(), kMaxCategoryEntries, "4v[]c");
  ASSERT_TRUE(Load(DatabaseFile(records)));
  EXPECT_EQ(Database().EngineCount(), kMaxEngines);
  EXPECT_EQ(Database().Engine(1).fieldCount, kMaxFormFields);
  EXPECT_EQ(Database().categoryGroups.size(), static_cast<size_t>(kMaxCategoryGroups));
  EXPECT_EQ(Database().categoryGroups.back().entries.size(),
            static_cast<size_t>(kMaxCategoryEntries));
  EXPECT_EQ(test.program.categories.groupList.Count(), kMaxCategoryGroups);
}

// Such a file once ended start-up with an uncaught allocation failure.
TEST_F(DatabaseLoader, AFileFarLargerThanAnyDatabaseIsRefusedUnread) {
  WriteFileBytes(Path(), DatabaseFile({"2A,m,FFa,GS"}));
  std::filesystem::resize_file(Path(), std::uintmax_t{64} << 30);
  EXPECT_FALSE(LoadSubmissionDatabase(test.program, Path()));
  EXPECT_EQ(test.exitCount, 1);
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, kCorrupted);
  EXPECT_EQ(Database().EngineCount(), 0);
}

TEST_F(DatabaseLoader, MissingFileIsRejectedAndNotCreated) {
  EXPECT_FALSE(LoadSubmissionDatabase(test.program, Path()));
  EXPECT_EQ(test.exitCount, 1);
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text, kCorrupted);
  EXPECT_FALSE(std::filesystem::exists(Path()));
}

TEST_F(DatabaseLoader, DatabaseInAppFolderTakesPrecedence) {
  EXPECT_EQ(DatabasePath(test.program), test.program.folders.dataFolder + kDatabaseFileName);
  EXPECT_FALSE(std::filesystem::exists(test.AppPath(kDatabaseFileName)));
  WriteFileBytes(test.AppPath(kDatabaseFileName), DatabaseFile({}));
  EXPECT_EQ(DatabasePath(test.program), test.AppPath(kDatabaseFileName));
}

TEST(DatabaseRecords, BuildingAndReadingKeepEveryStorableByte) {
  std::string all;
  for (int code = 2; code <= 254; ++code) {
    all.push_back(static_cast<char>(code));
  }
  const std::vector<std::string> records = {all, "", std::string(kMaxRecordText, 'x')};
  const DatabaseImage image = BuildDatabaseFile(records);
  ASSERT_FALSE(image.badRecord);
  // Only the header may differ from an independently built file; comparing as a truth value
  // keeps a 15 kB record out of the failure message.
  EXPECT_TRUE(image.bytes.substr(kDatabaseHeaderSize) ==
              DatabaseFile(records).substr(kDatabaseHeaderSize));
  const DatabaseRecords read = ReadDatabaseRecords(image.bytes);
  ASSERT_FALSE(read.error);
  EXPECT_EQ(read.records, records);

  EXPECT_EQ(BuildDatabaseFile({"ok", std::string(kMaxRecordText + 1, 'x')}).badRecord, 1u);
  EXPECT_EQ(BuildDatabaseFile({std::string("a\xFF")}).badRecord, 0u);
}

TEST(DatabaseRecords, ReportsWhereTheDamageStarts) {
  const std::string bytes = DatabaseHeader() + ScrambledRecord("5ok") + LengthWord(100);
  const DatabaseRecords read = ReadDatabaseRecords(bytes);
  ASSERT_TRUE(read.error);
  EXPECT_EQ(read.error->offset, 626u + 5u);
  EXPECT_EQ(read.records, std::vector<std::string>{"5ok"});
}

}  // namespace
}  // namespace zentrova
