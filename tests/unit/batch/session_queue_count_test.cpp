#include "batch/session_queue_count.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/session_file_builder.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::SessionFileBytes;
using testing::SessionFileContent;

SessionFileContent TwoQueuedEngines() {
  SessionFileContent content;
  content.profile[1] = "http://www.site.example";
  content.engines = testing::UnsubmittedEngines({"Alpha Search", "Beta Directory", "Gamma News"});
  content.links = {"http://www.site.example/a"};
  content.queue = {"Alpha Search", "Gamma News"};
  return content;
}

TEST(SessionQueueCountTest, CountsTheQueueOfCurrentFilesOnly) {
  testing::TestProgram test;
  const std::string current = SessionFileBytes(TwoQueuedEngines());
  SessionFileContent emptyQueue = TwoQueuedEngines();
  emptyQueue.queue.clear();
  SessionFileContent old = TwoQueuedEngines();
  old.signature = 999;
  struct Case {
    std::string name;
    std::string bytes;
    int count;
  };
  const Case cases[] = {
      {"current", current, 2},
      {"empty queue", SessionFileBytes(emptyQueue), -1},
      {"old format", SessionFileBytes(old), -1},
      {"cut in the queue names", current.substr(0, current.size() - 3), -1},
      {"cut in the profile", current.substr(0, 500), -1},
      {"empty file", "", -1},
      {"text file", "Session list\r\n", -1},
      {"negative link count",
       current.substr(0, current.find(testing::TextBytes("http://www.site.example/a")) - 2) +
           testing::Int16Bytes(-1) + testing::Int16Bytes(2) + testing::TextBytes("Alpha Search") +
           testing::TextBytes("Gamma News"),
       -1},
  };
  for (const Case& c : cases) {
    const auto path = test.root / "case.ses";
    testing::WriteFileBytes(path, c.bytes);
    EXPECT_EQ(SessionQueueCount(path.string()), c.count) << c.name;
  }
}

TEST(SessionQueueCountTest, MissingFileCountsAsUnfitAndIsNotCreated) {
  testing::TestProgram test;
  const auto path = test.root / "missing.ses";
  EXPECT_EQ(SessionQueueCount(path.string()), -1);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_EQ(SessionQueueCount(test.root.string()), -1);
}

}  // namespace
}  // namespace zentrova
