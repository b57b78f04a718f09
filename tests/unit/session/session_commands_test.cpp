#include "session/session_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "session/session_file.h"
#include "session/session_model.h"
#include "session_test_support.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::AddEngines;
using testing::TestProgram;

class SessionCommandsTest : public ::testing::Test {
 protected:
  SessionCommandsTest() { AddEngines(program(), {"Beta", "Alpha"}); }

  Program& program() { return test.program; }
  std::string Path(const std::string& name) const { return (test.root / name).string(); }
  bool Exists(const std::string& name) const { return std::filesystem::exists(Path(name)); }

  // An open session with an edit not yet saved.
  void EditSession(const std::string& currentFile) {
    SetCurrentSessionFile(program(), currentFile, false);
    SetBoxText(program(), kSiteTitle, "Edited");
  }

  TestProgram test;
};

TEST_F(SessionCommandsTest, NewSessionStartsFromTheDefaults) {
  EditSession(Path("old.ses"));
  ClickCheckBox(program(), 4, kChecked);
  program().deepPromotion.links = {"http://old.example"};
  EngineRecord& engine = program().database.Engine(1);
  engine.results = {kSuccessful, kFailed};
  engine.runDate = "03-04-2027";
  engine.startedAt = "09:15:00";
  engine.finishedAt = "09:15:02";
  testing::WriteFileBytes(test.AppPath("LOG/Beta.htm"), "reply");

  NewSession(program());

  EXPECT_EQ(program().session.currentFile, "New Session.ses");
  EXPECT_EQ(program().window.caption, "Zentrova - New Session.ses");
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), "New Session.ses");
  EXPECT_EQ(program().session.editor.boxText[kPageAddress], "http://");
  EXPECT_EQ(program().session.editor.boxText[kSiteTitle], "");
  EXPECT_TRUE(CheckBoxTicked(program(), 3));
  EXPECT_FALSE(CheckBoxTicked(program(), 4));
  EXPECT_FALSE(CheckBoxTicked(program(), 5));
  EXPECT_TRUE(program().deepPromotion.links.empty());
  // Every run field: a deep-link result kept over would skip that engine's deep links.
  EXPECT_EQ(engine.results, (std::array<ResultCode, 2>{kNotSubmitted, kNotSubmitted}));
  EXPECT_EQ(engine.runDate + engine.startedAt + engine.finishedAt, "");
  EXPECT_EQ(program().engineLists.engineList.Count(), 2);
  EXPECT_FALSE(std::filesystem::exists(test.AppPath("LOG/Beta.htm")));
  EXPECT_EQ(program().window.currentTab, kProfilePage);
  EXPECT_TRUE(program().session.saved);
}

TEST_F(SessionCommandsTest, SavePromptFollowsTheAnswer) {
  struct Case {
    const char* what;
    bool neverSaved;
    MessageAnswer answer;
    std::optional<std::string> saveAsName;  // what the Save As dialog returns
    bool goOn;
    const char* writtenFile;  // under the test's root; empty: nothing written
  };
  const Case cases[] = {
      {"no", false, MessageAnswer::No, std::nullopt, true, ""},
      {"cancel", false, MessageAnswer::Cancel, std::nullopt, false, ""},
      {"yes", false, MessageAnswer::Yes, std::nullopt, true, "named.ses"},
      {"yes, never saved", true, MessageAnswer::Yes, "chosen", true, "chosen.ses"},
      {"yes, never saved, dialog cancelled", true, MessageAnswer::Yes, "", false, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TestProgram fresh;
    Program& p = fresh.program;
    SetCurrentSessionFile(p, c.neverSaved ? kNewSessionFile : (fresh.root / "named.ses").string(),
                          false);
    SetBoxText(p, kSiteTitle, "Edited");
    fresh.dialogs.answers = {c.answer};
    if (c.saveAsName) {
      fresh.dialogs.saveAnswers = {c.saveAsName->empty() ? ""
                                                         : (fresh.root / *c.saveAsName).string()};
    }

    EXPECT_EQ(AskSaveSession(p), c.goOn);

    ASSERT_EQ(fresh.dialogs.messages.size(), 1u);
    EXPECT_EQ(fresh.dialogs.messages[0].text, "Do you want to save current session?");
    EXPECT_EQ(fresh.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(fresh.dialogs.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(fresh.dialogs.messages[0].title, "Zentrova");
    const std::string written = c.writtenFile;
    for (const char* name : {"named.ses", "chosen.ses"}) {
      EXPECT_EQ(std::filesystem::exists(fresh.root / name), written == name) << name;
    }
    EXPECT_EQ(p.session.saved, !written.empty());
  }
}

TEST_F(SessionCommandsTest, NothingToSaveAsksNothingAndWritesNothing) {
  EXPECT_TRUE(AskSaveSession(program()));
  EXPECT_FALSE(SaveSession(program()));
  EXPECT_TRUE(test.dialogs.messages.empty());
  EXPECT_TRUE(test.dialogs.saveRequests.empty());
}

TEST_F(SessionCommandsTest, SaveOfANeverSavedSessionGoesThroughSaveAs) {
  EditSession(kNewSessionFile);
  test.dialogs.saveAnswers = {Path("first")};

  EXPECT_TRUE(SaveSession(program()));

  ASSERT_EQ(test.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(test.dialogs.saveRequests[0].fileName, "New Session.ses");
  EXPECT_EQ(test.dialogs.saveRequests[0].types[0].pattern, "*.ses");
  EXPECT_TRUE(Exists("first.ses"));
  EXPECT_EQ(program().session.currentFile, Path("first.ses"));
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), Path("first.ses"));

  // Once named, Save writes in place without asking.
  SetBoxText(program(), kSiteTitle, "Again");
  EXPECT_TRUE(SaveSession(program()));
  EXPECT_EQ(test.dialogs.saveRequests.size(), 1u);
  EXPECT_TRUE(program().session.saved);
}

TEST_F(SessionCommandsTest, CancelledPromptLeavesTheSessionUntouched) {
  EditSession(Path("current.ses"));
  test.dialogs.answers = {MessageAnswer::Cancel, MessageAnswer::Cancel};

  OpenSessionCommand(program());
  NewSessionCommand(program());

  EXPECT_TRUE(test.dialogs.openRequests.empty());
  EXPECT_EQ(program().session.currentFile, Path("current.ses"));
  EXPECT_EQ(program().session.editor.boxText[kSiteTitle], "Edited");
  EXPECT_FALSE(program().session.saved);
}

TEST_F(SessionCommandsTest, OpenReadsTheChosenSessionAndRemembersIt) {
  NewSession(program());
  SetBoxText(program(), kSiteTitle, "Saved Site");
  WriteSession(program(), Path("site.ses"), false);
  NewSession(program());
  test.dialogs.openAnswers = {Path("site.ses")};

  OpenSessionCommand(program());

  ASSERT_EQ(test.dialogs.openRequests.size(), 1u);
  EXPECT_EQ(test.dialogs.openRequests[0].startFolder, program().folders.SessionsFolder());
  EXPECT_EQ(program().session.editor.boxText[kSiteTitle], "Saved Site");
  EXPECT_EQ(program().session.currentFile, Path("site.ses"));
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), Path("site.ses"));
  EXPECT_TRUE(program().session.saved);
}

// A session that could not be written stays unsaved under its name, and New, Open and Exit
// (which all ask through AskSaveSession) stop instead of losing the edits.
TEST_F(SessionCommandsTest, AFailedSaveIsReportedAndStopsTheCommandThatAskedForIt) {
  const std::string unwritable = Path("gone/site.ses");
  EditSession(unwritable);
  const std::string caption = program().window.caption;
  const std::string expected =
      "Cannot write the file " + unwritable + ": No such file or directory";

  EXPECT_FALSE(SaveSession(program()));
  test.dialogs.answers = {MessageAnswer::Yes};
  EXPECT_FALSE(AskSaveSession(program()));
  test.dialogs.answers = {MessageAnswer::Yes};
  NewSessionCommand(program());
  test.dialogs.answers = {MessageAnswer::Yes};
  OpenSessionCommand(program());

  EXPECT_TRUE(test.dialogs.openRequests.empty());
  std::vector<std::string> texts;
  for (const auto& message : test.dialogs.messages) {
    texts.push_back(message.text);
  }
  const std::string ask = "Do you want to save current session?";
  EXPECT_EQ(texts,
            (std::vector<std::string>{expected, ask, expected, ask, expected, ask, expected}));
  EXPECT_EQ(test.dialogs.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_FALSE(program().session.saved);
  EXPECT_EQ(program().session.currentFile, unwritable);
  EXPECT_EQ(program().window.caption, caption);
  EXPECT_EQ(program().session.editor.boxText[kSiteTitle], "Edited");

  // Save As to a place that cannot be written keeps the old name too.
  test.dialogs.messages.clear();
  test.dialogs.saveAnswers = {Path("gone/other.ses")};
  EXPECT_FALSE(SaveSessionAs(program()));
  EXPECT_EQ(program().session.currentFile, unwritable);
  EXPECT_EQ(test.dialogs.messages.size(), 1u);
}

TEST_F(SessionCommandsTest, NewSessionAfterARunClearsEveryRunFieldOfEveryEngine) {
  for (int slot = 1; slot <= 2; ++slot) {
    EngineRecord& engine = program().database.Engine(slot);
    engine.results = {kSuccessful, kFailed};
    engine.startedAt = "10:00:00";
    engine.finishedAt = "10:00:09";
    engine.runDate = "12/10/2026";
  }
  // A database still loading counts one slot more than it holds: every engine is cleared all
  // the same.
  program().database.engineSlotCount = 1;

  NewSession(program());

  for (int slot = 1; slot <= 2; ++slot) {
    SCOPED_TRACE(slot);
    const EngineRecord& engine = program().database.Engine(slot);
    EXPECT_EQ(engine.DeepLinkStatus(), kNotSubmitted);
    EXPECT_EQ(engine.RegistrationStatus(), kNotSubmitted);
    EXPECT_EQ(engine.startedAt, "");
    EXPECT_EQ(engine.finishedAt, "");
    EXPECT_EQ(engine.runDate, "");
  }
  // The report view is back at "No Report", and its page is there to be shown.
  EXPECT_EQ(program().reports.viewedPage, program().folders.LogFolder() + "noreport.htm");
  EXPECT_NE(testing::ReadFileBytes(program().reports.viewedPage).find("Select Report Type"),
            std::string::npos);
  EXPECT_EQ(program().reports.statusList.Count(), 0);
  EXPECT_FALSE(program().reports.goToEngineEnabled);
}

// The ".ses" name of a converted old file was never chosen by the user: a Save asks before it
// replaces a file of that name, and a No leads to Save As.
TEST_F(SessionCommandsTest, SavingAConvertedOldFileAsksBeforeReplacingAnExistingSession) {
  std::string old = testing::Int16Bytes(999);
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    old += testing::TextBytes(slot == kSiteTitle ? "Old Site" : "");
  }
  testing::WriteFileBytes(Path("site.wps"), old);
  testing::WriteFileBytes(Path("site.ses"), "the user's other session");
  ASSERT_EQ(ReadSession(program(), Path("site.wps"), true), SessionRead::Converted);
  ASSERT_EQ(program().session.currentFile, Path("site.ses"));
  SetBoxText(program(), kSiteTitle, "Edited");

  test.dialogs.answers = {MessageAnswer::No};
  EXPECT_FALSE(SaveSession(program()));
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text,
            Path("site.ses") + "\nThis file already exist.\n\nReplace existing file?");
  EXPECT_EQ(test.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(testing::ReadFileBytes(Path("site.ses")), "the user's other session");
  EXPECT_FALSE(program().session.saved);

  test.dialogs.answers = {MessageAnswer::Yes};
  EXPECT_TRUE(SaveSession(program()));
  EXPECT_EQ(testing::ReadFileBytes(Path("site.ses")).substr(0, 2), testing::Int16Bytes(998));
  // Once written under that name, it is the user's session: later saves ask nothing.
  test.dialogs.messages.clear();
  SetBoxText(program(), kSiteTitle, "Again");
  EXPECT_TRUE(SaveSession(program()));
  EXPECT_TRUE(test.dialogs.messages.empty());
}

}  // namespace
}  // namespace zentrova
