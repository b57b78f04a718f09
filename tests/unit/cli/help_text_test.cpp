#include "cli/help_text.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace zentrova::cli {
namespace {

TEST(HelpTextTest, FitsATerminalAndNamesEveryCommandOptionAndVariable) {
  for (const Manual* manual : {&ProgramManual(), &ToolManual()}) {
    SCOPED_TRACE(manual->program);
    const std::string help = HelpText(*manual);
    std::istringstream lines(help);
    for (std::string line; std::getline(lines, line);) {
      EXPECT_LE(line.size(), 79u) << line;
    }
    for (const ManualCommand& command : manual->commands) {
      for (const std::string& form : command.forms) {
        EXPECT_NE(help.find("  " + form + "\n"), std::string::npos) << form;
      }
    }
    for (const ManualSection& group : manual->optionGroups) {
      for (const ManualEntry& option : group.entries) {
        EXPECT_NE(help.find("\n  " + option.term + " "), std::string::npos) << option.term;
      }
    }
    EXPECT_NE(help.find("\n  ZENTROVA_HOME  "), std::string::npos);
  }
  EXPECT_NE(HelpText(ProgramManual()).find("Qt options:\n  -platform NAME  "), std::string::npos);
}

TEST(HelpTextTest, UsageOfACommandWithSeveralFormsIsOneLine) {
  const Manual& tool = ToolManual();
  EXPECT_EQ(UsageText(tool, *FindCommand(tool, "strings")),
            "usage: zentrova-tool strings compile SOURCE -o FILE | strings dump FILE");
  EXPECT_EQ(VersionText(tool), "zentrova-tool " ZENTROVA_VERSION "\n");
}

}  // namespace
}  // namespace zentrova::cli
