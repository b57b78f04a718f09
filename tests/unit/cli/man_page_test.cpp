#include "cli/man_page.h"

#include <gtest/gtest.h>

#include <string>

namespace zentrova::cli {
namespace {

Manual Tricky() {
  Manual m;
  m.program = "demo-tool";
  m.summary = "show a path like C:\\dir";
  m.synopsis = {"COMMAND [--flag]"};
  m.description = {".hidden text that roff would take for a request", "'quoted start"};
  m.commands = {{"copy",
                 {"copy SOURCE -o FILE", "copy --list"},
                 "copy things",
                 "Copies with a well-known trick.",
                 {{"-o FILE", "The target."}}}};
  m.environment = {{"DEMO_HOME", "Where it lives."}};
  m.files = {{"~/.demo/", "Its folder."}};
  m.seeAlso = {"demo(1)", "other-tool(1)"};
  return m;
}

TEST(ManPageTest, EscapesWhatRoffWouldMisreadAndStylesCommandLines) {
  const std::string page = ManPage(Tricky(), "2026-01-02");
  const std::string expected[] = {
      ".TH DEMO\\-TOOL 1 \"2026-01-02\" \"Zentrova " ZENTROVA_VERSION "\" \"User Commands\"\n",
      ".SH NAME\ndemo\\-tool \\- show a path like C:\\edir\n",
      // What is typed bold, what is replaced italic, option dashes as minus signs.
      ".SH SYNOPSIS\n\\fBdemo\\-tool\\fR \\fICOMMAND\\fR [\\fB\\-\\-flag\\fR]\n",
      "\\&.hidden text",
      ".PP\n\\&'quoted start\n",
      ".SH COMMANDS\n.TP\n\\fBcopy\\fR \\fISOURCE\\fR \\fB\\-o\\fR \\fIFILE\\fR\n.TQ\n"
      "\\fBcopy\\fR \\fB\\-\\-list\\fR\nCopies with a well-known trick.\n",
      ".RS\n.TP\n\\fB\\-o\\fR \\fIFILE\\fR\nThe target.\n.RE\n",
      ".SH ENVIRONMENT\n.TP\n\\fBDEMO_HOME\\fR\n",
      ".SH FILES\n.TP\n\\fI~/.demo/\\fR\n",
      ".SH SEE ALSO\n.BR demo (1) ,\n.BR other\\-tool (1)\n",
  };
  for (const std::string& part : expected) {
    EXPECT_NE(page.find(part), std::string::npos) << part << "\nin:\n" << page;
  }
  EXPECT_EQ(page.find("EXIT STATUS"), std::string::npos) << "an empty section is left out";
}

TEST(ManPageTest, EveryCommandFormOfTheToolIsDocumented) {
  const Manual& tool = ToolManual();
  const std::string page = ManPage(tool, "2026-01-02");
  for (const char* name :
       {"run", "report", "session", "form", "meta", "keywords", "capture", "db", "strings"}) {
    const ManualCommand* command = FindCommand(tool, name);
    ASSERT_NE(command, nullptr) << name;
    EXPECT_NE(page.find("\\fB" + std::string(name) + "\\fR"), std::string::npos) << name;
  }
  for (const char* section : {"EXIT STATUS", "ENVIRONMENT", "FILES", "ZENTROVA_HOME"}) {
    EXPECT_NE(page.find(section), std::string::npos) << section;
  }
}

}  // namespace
}  // namespace zentrova::cli
