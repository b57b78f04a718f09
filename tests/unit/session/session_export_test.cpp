#include "session/session_export.h"

#include <gtest/gtest.h>

#include <string>

#include "session/session_model.h"
#include "session_test_support.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::AddEngines;
using testing::ReadFileBytes;
using testing::TestProgram;

class SessionExportTest : public ::testing::Test {
 protected:
  SessionExportTest() {
    AddEngines(program(), {"Zeta", "Alpha"});
    SortedList& list = program().engineLists.engineList;
    list.Add("Zeta", 1);
    list.Add("Alpha", 2);
  }
  Program& program() { return test.program; }
  std::string Path(const std::string& name) const { return (test.root / name).string(); }
  TestProgram test;
};

TEST_F(SessionExportTest, WritesTheSessionLineByLine) {
  SetBoxText(program(), kPageAddress, "http://site.example");
  SetBoxText(program(), kSiteDescription, "First line\r\nSecond line");
  SetBoxText(program(), kFirstName, "Ann");
  program().session.profile[500] = "group value";
  EngineRecord& zeta = program().database.Engine(1);
  // A number the session file may hold besides the result codes is exported as it is.
  zeta.DeepLinkStatus() = static_cast<ResultCode>(-1);
  zeta.RegistrationStatus() = kSuccessful;
  zeta.startedAt = "10:00:00";
  zeta.runDate = "12-10-2026";
  program().deepPromotion.links = {"http://site.example/2", "http://site.example/1"};
  // A row showing its category: the export names the engine, not the row.
  program().engineLists.engineList.SetText(1, "Zeta - Arts");
  program().engineLists.engineList.SetMarked(0, true);
  program().engineLists.engineList.SetMarked(1, true);

  ExportSession(program(), Path("site.txt"));

  std::string expected = " 998 \r\n";
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    expected += program().session.profile[slot] + "\r\n";
  }
  expected +=
      " 2 \r\n"
      "Zeta\r\n-1 \r\n 1 \r\n10:00:00\r\n00:00:00\r\n12-10-2026\r\n"
      "Alpha\r\n 0 \r\n 0 \r\n00:00:00\r\n00:00:00\r\n\r\n"
      " 2 \r\nhttp://site.example/2\r\nhttp://site.example/1\r\n"
      " 2 \r\nAlpha\r\nZeta\r\n";
  EXPECT_EQ(ReadFileBytes(Path("site.txt")), expected);
  // Collected first: the boxes and the derived slots are what is written.
  EXPECT_NE(expected.find("\r\nFirst line\r\nSecond line\r\n"), std::string::npos);
  EXPECT_NE(expected.find("\r\nAnn \r\n"), std::string::npos);
  EXPECT_NE(expected.find("\r\ngroup value\r\n"), std::string::npos);
}

TEST_F(SessionExportTest, CommandSuggestsATextBesideTheSessionAndLeavesTheDocumentAsItWas) {
  SetCurrentSessionFile(program(), kNewSessionFile, false);
  SetBoxText(program(), kSiteTitle, "Unsaved");
  test.dialogs.saveAnswers = {"", Path("out")};

  EXPECT_FALSE(ExportSessionCommand(program()));
  EXPECT_TRUE(ExportSessionCommand(program()));

  EXPECT_EQ(test.dialogs.saveRequests[0].fileName, "New Session.txt");
  EXPECT_EQ(test.dialogs.saveRequests[0].types[0].pattern, "*.txt");
  EXPECT_EQ(ReadFileBytes(Path("out.txt")).substr(0, 7), " 998 \r\n");
  EXPECT_EQ(program().session.currentFile, kNewSessionFile);
  EXPECT_EQ(program().window.caption, "Zentrova - New Session.ses");
  EXPECT_FALSE(program().session.saved);

  SetCurrentSessionFile(program(), "/s/site.ses", false);
  ExportSessionCommand(program());
  EXPECT_EQ(test.dialogs.saveRequests[2].fileName, "/s/site.txt");
}

}  // namespace
}  // namespace zentrova
