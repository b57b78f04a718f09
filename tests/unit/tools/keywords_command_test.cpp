#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "run_tool.h"
#include "support/test_program.h"
#include "tool_command.h"

namespace zentrova::testing {
namespace {

// The phrases come from a UTF-8 terminal; LIMIT counts characters, as the session's keyword box
// does, so no character is cut in half.
TEST(KeywordsCommandTest, CountsCharactersOfPhrasesTypedInUtf8) {
  TestProgram scratch;
  const struct {
    std::vector<std::string> args;
    int code;
    std::string out;
  } cases[] = {
      {{"3", "\xC3\xA9\xC3\xA9\xC3\xA9", "", "", "", "", ""},
       tool::kSuccess,
       "\xC3\xA9\xC3\xA9\xC3\xA9"},
      {{"5", "a\xC3\xA9", "b\xC3\xA9", "", "", "", ""}, tool::kSuccess, "a\xC3\xA9 b\xC3\xA9"},
      {{"9", "abcdefghijk", "", "", "", "", ""}, tool::kSuccess, "abcdefghi"},
      // A session cannot hold it, so no run would send it.
      {{"10", "\xF0\x9F\x98\x80", "", "", "", "", ""}, tool::kUsageError, ""},
  };
  for (const auto& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), "keywords");
    const ToolRun run = RunTool(args, scratch.root);
    SCOPED_TRACE(c.args[1]);
    EXPECT_EQ(run.exitCode, c.code) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
}

}  // namespace
}  // namespace zentrova::testing
