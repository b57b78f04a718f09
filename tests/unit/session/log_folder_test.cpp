#include "session/log_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::TestProgram;
using testing::WriteFileBytes;

TEST(ClearLogPagesTest, DeletesOnlyTheHtmFilesOfLog) {
  TestProgram test;
  const struct {
    const char* name;
    bool kept;
  } files[] = {{"LOG/Engine One.htm", false}, {"LOG/current.htm", false},
               {"LOG/page.html", true},       {"LOG/UPPER.HTM", true},
               {"LOG/notes.txt", true},       {"SESSIONS/manual.htm", true}};
  for (const auto& file : files) {
    WriteFileBytes(test.AppPath(file.name), "x");
  }

  ClearLogPages(test.program);

  for (const auto& file : files) {
    EXPECT_EQ(std::filesystem::exists(test.AppPath(file.name)), file.kept) << file.name;
  }
  std::filesystem::remove_all(test.AppPath("LOG"));
  ClearLogPages(test.program);  // a missing folder is no error
}

}  // namespace
}  // namespace zentrova
