#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <variant>

#include "database_source.h"
#include "engines/database_loader.h"
#include "engines/database_records.h"
#include "strings_source.h"
#include "support/test_program.h"
#include "text/distributor.h"
#include "text/string_table.h"

namespace zentrova::tool {
namespace {

using zentrova::testing::ReadFileBytes;
using zentrova::testing::TestProgram;
using zentrova::testing::WriteFileBytes;

const std::string kDataFolder = ZENTROVA_FIXTURES "/../../../data/";

// Compiles the shipped database source into the test program's data folder.
void InstallShippedDatabase(TestProgram& test) {
  const auto compiled = CompileDatabaseSource(ReadFileBytes(kDataFolder + "database.source"));
  ASSERT_TRUE(std::holds_alternative<CompiledDatabase>(compiled))
      << std::get<SourceError>(compiled).line << ": " << std::get<SourceError>(compiled).message;
  const auto image = BuildDatabaseFile(std::get<CompiledDatabase>(compiled).records);
  ASSERT_FALSE(image.badRecord);
  WriteFileBytes(test.program.folders.dataFolder + kDatabaseFileName, image.bytes);
}

TEST(ShippedData, DatabaseLoadsItsIndexNowEndpoints) {
  TestProgram test;
  InstallShippedDatabase(test);
  ASSERT_TRUE(LoadSubmissionDatabase(test.program, DatabasePath(test.program)));
  const auto& database = test.program.database;
  ASSERT_GE(database.EngineCount(), 6);
  std::vector<std::string> actions;
  for (int slot = 1; slot <= database.EngineCount(); ++slot) {
    const EngineRecord& engine = database.Engine(slot);
    SCOPED_TRACE(engine.name);
    EXPECT_FALSE(engine.name.empty());
    EXPECT_FALSE(engine.homeUrl.empty());
    if (engine.name.rfind("IndexNow (", 0) != 0) {
      continue;
    }
    actions.push_back(engine.actionUrl);
    EXPECT_EQ(engine.kind, kSearchEngine);
    EXPECT_EQ(engine.method, kGet);
    EXPECT_EQ(engine.protocol, kIndexNowProtocol);
    // The marker is the endpoint's scheme, host and the "/" after the host.
    const size_t host = engine.actionUrl.find("://") + 3;
    EXPECT_EQ(engine.successMarker,
              engine.actionUrl.substr(0, engine.actionUrl.find('/', host) + 1));
    ASSERT_EQ(engine.fieldCount, 2);
    EXPECT_EQ(engine.fieldNames[1], "url");
    EXPECT_EQ(engine.fieldValues[1], "%001");
    EXPECT_EQ(engine.fieldNames[2], "key");
    EXPECT_EQ(engine.fieldValues[2], "%040");
  }
  std::sort(actions.begin(), actions.end());
  EXPECT_EQ(actions, (std::vector<std::string>{
                         "https://api.indexnow.org/indexnow",
                         "https://indexnow.yep.com/indexnow",
                         "https://search.seznam.cz/indexnow",
                         "https://searchadvisor.naver.com/indexnow",
                         "https://www.bing.com/indexnow",
                         "https://yandex.com/indexnow",
                     }));
  EXPECT_FALSE(ReadFileBytes(ManualPagePath(test.program)).empty());
}

TEST(ShippedData, DumpListsEveryEngine) {
  TestProgram test;
  InstallShippedDatabase(test);
  const std::string path = test.program.folders.dataFolder + kDatabaseFileName;
  ASSERT_TRUE(LoadSubmissionDatabase(test.program, path));
  const std::string dumpPath = (test.root / "dump.txt").string();
  const std::string command = ZENTROVA_TOOL_PATH " db dump '" + path + "' >'" + dumpPath + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const std::string dump = ReadFileBytes(dumpPath);
  for (int slot = 1; slot <= test.program.database.EngineCount(); ++slot) {
    EXPECT_NE(dump.find("\n2" + test.program.database.Engine(slot).name + ","), std::string::npos)
        << test.program.database.Engine(slot).name;
  }
  // Each IndexNow engine's protocol record stands before its fields, as the compiler writes it.
  EXPECT_NE(dump.find("\n6indexnow\n1url,%001\n1key,%040\n2IndexNow (Bing),"), std::string::npos)
      << dump;
}

TEST(ShippedData, DefaultDistributorStartsWithTheProjectsTexts) {
  const std::string defaults = ReadFileBytes(kDataFolder + kInstallationDefaultsFileName);
  const size_t section = defaults.find("[Registration]");
  ASSERT_NE(section, std::string::npos);
  const size_t key = defaults.find("Dealer=", section);
  ASSERT_NE(key, std::string::npos);
  const std::string code = defaults.substr(key + 7, 2);

  TestProgram test;
  const auto compiled = CompileStringsSource(ReadFileBytes(kDataFolder + "strings.source"));
  ASSERT_TRUE((std::holds_alternative<std::map<int, std::string>>(compiled)));
  test.program.text.stringTable = std::get<std::map<int, std::string>>(compiled);
  test.settings.values[{"Registration", "Dealer"}] = code;
  ASSERT_TRUE(LoadDistributor(test.program));
  const auto& info = test.program.text.distributor;
  EXPECT_EQ(info.title, "Distributed by Zentrova");
  EXPECT_FALSE(info.contact.empty());
  for (const std::string* url :
       {&info.webAddress, &info.onlineHelpUrl, &info.addNewEngineUrl, &info.addPlugInsUrl,
        &info.updateProgramUrl, &info.techSupportUrl}) {
    EXPECT_EQ(url->rfind("https://zentrova.example/", 0), 0u) << *url;
  }
  EXPECT_EQ(ServiceStatusUrl(test.program).rfind("https://zentrova.example/", 0), 0u);
  EXPECT_GT(ServiceStatusUrl(test.program).size(), std::string("https://zentrova.example/").size());
}

}  // namespace
}  // namespace zentrova::tool
