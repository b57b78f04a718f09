#include "session/session_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engines/engine_lists.h"
#include "session/session_model.h"
#include "session_test_support.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::AddEngines;
using testing::Int16Bytes;
using testing::ReadFileBytes;
using testing::TestProgram;
using testing::TextBytes;
using testing::WriteFileBytes;

class SessionFileTest : public ::testing::Test {
 protected:
  SessionFileTest() {
    AddEngines(program(), {"Zeta Search", "Alpha Dir", "Mid Links"});
    SortedList& list = program().engineLists.engineList;
    for (int slot = 1; slot <= 3; ++slot) {
      list.Add(program().database.Engine(slot).name, slot);
    }
  }

  Program& program() { return test.program; }
  std::string Path(const std::string& name) const { return (test.root / name).string(); }

  // A profile in which every slot holds its own text; the boxes show it.
  void FillProfile() {
    for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
      program().session.profile[slot] = "slot " + std::to_string(slot);
    }
    program().session.profile[kSkipRegistered] = "1";
    program().session.profile[kAdultContent] = "";
    program().session.profile[kDeepPromotionActive] = "1";
    ShowSession(program());
  }

  void SetRunFields(int slot, int deep, int registration, const std::string& started,
                    const std::string& finished, const std::string& date) {
    EngineRecord& engine = program().database.Engine(slot);
    // The numbers as a session file holds them.
    engine.DeepLinkStatus() = static_cast<ResultCode>(deep);
    engine.RegistrationStatus() = static_cast<ResultCode>(registration);
    engine.startedAt = started;
    engine.finishedAt = finished;
    engine.runDate = date;
  }

  void MarkRow(const std::string& text) {
    SortedList& list = program().engineLists.engineList;
    for (int row = 0; row < list.Count(); ++row) {
      if (list.Row(row).text == text) {
        list.SetMarked(row, true);
      }
    }
  }

  std::vector<std::string> MarkedRows() const {
    std::vector<std::string> marked;
    for (const ListRow& row : test.program.engineLists.engineList.Rows()) {
      if (row.marked) {
        marked.push_back(row.text);
      }
    }
    return marked;
  }

  // Signature, profile (the given slots, others empty), and nothing else.
  static std::string Header(int signature, const std::vector<std::pair<int, std::string>>& slots) {
    std::vector<std::string> profile(kProfileSlotCount + 1);
    for (const auto& [slot, text] : slots) {
      profile[static_cast<size_t>(slot)] = text;
    }
    std::string bytes = Int16Bytes(signature);
    for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
      bytes += TextBytes(profile[static_cast<size_t>(slot)]);
    }
    return bytes;
  }

  TestProgram test;
};

TEST_F(SessionFileTest, WritesTheFormatByteForByte) {
  FillProfile();
  SetRunFields(1, 1, 2, "10:00:01", "10:00:09", "12-10-2026");
  SetRunFields(2, 0, 1, "", "", "");
  SetRunFields(3, 2, 0, "", "11:11:11", "01-02-2026");
  program().deepPromotion.links = {"http://site.example/b.htm", "http://site.example/a.htm"};
  MarkRow("Zeta Search");
  MarkRow("Alpha Dir");
  const std::string path = Path("site.ses");

  WriteSession(program(), path, true);

  const ProfileValues& profile = program().session.profile;
  std::string expected = Int16Bytes(998);
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    expected += TextBytes(profile[slot]);
  }
  expected += Int16Bytes(3);
  expected += TextBytes("Zeta Search") + Int16Bytes(1) + Int16Bytes(2) + TextBytes("10:00:01") +
              TextBytes("10:00:09") + TextBytes("12-10-2026");
  expected += TextBytes("Alpha Dir") + Int16Bytes(0) + Int16Bytes(1) + TextBytes("00:00:00") +
              TextBytes("00:00:00") + TextBytes("");
  expected += TextBytes("Mid Links") + Int16Bytes(2) + Int16Bytes(0) + TextBytes("00:00:00") +
              TextBytes("11:11:11") + TextBytes("01-02-2026");
  expected += Int16Bytes(2) + TextBytes("http://site.example/b.htm") +
              TextBytes("http://site.example/a.htm");
  // Engine-list order: the list is alphabetical, the table is not.
  expected += Int16Bytes(2) + TextBytes("Alpha Dir") + TextBytes("Zeta Search");

  const std::string written = ReadFileBytes(path);
  EXPECT_EQ(written, expected);
  size_t textBytes = 0;
  size_t texts = 0;
  for (int slot = 1; slot <= kProfileSlotCount; ++slot, ++texts) {
    textBytes += profile[slot].size();
  }
  for (const char* text :
       {"Zeta Search", "10:00:01", "10:00:09", "12-10-2026", "Alpha Dir", "00:00:00", "00:00:00",
        "", "Mid Links", "00:00:00", "11:11:11", "01-02-2026", "http://site.example/b.htm",
        "http://site.example/a.htm", "Alpha Dir", "Zeta Search"}) {
    textBytes += std::string(text).size();
    ++texts;
  }
  const size_t engines = 3;
  EXPECT_EQ(written.size(), 2 + 2 * texts + textBytes + 2 * (1 + 2 * engines + 1 + 1));

  EXPECT_EQ(program().session.currentFile, path);
  EXPECT_EQ(program().window.caption, "Zentrova - " + path);
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), path);
  EXPECT_TRUE(program().session.saved);
}

TEST_F(SessionFileTest, ReadingBackRestoresEverySlotRunFieldLinkAndQueuedEngine) {
  FillProfile();
  SetRunFields(1, 1, 2, "10:00:01", "10:00:09", "12-10-2026");
  SetRunFields(3, 2, 1, "09:00:00", "09:00:30", "12-09-2026");
  program().deepPromotion.links = {"http://site.example/1", "http://site.example/2"};
  MarkRow("Mid Links");
  MarkRow("Zeta Search");
  const std::string path = Path("round.ses");
  WriteSession(program(), path, false);
  const ProfileValues written = program().session.profile;

  for (std::string& slot : program().session.profile) {
    slot = "stale";
  }
  for (int slot = 1; slot <= 3; ++slot) {
    SetRunFields(slot, 0, 0, "", "", "");
  }
  program().deepPromotion.links = {"stale"};
  MarkRow("Alpha Dir");
  MarkSessionChanged(program());

  ReadSession(program(), path, true);

  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    EXPECT_EQ(program().session.profile[slot], written[slot]) << "slot " << slot;
  }
  const EngineRecord& zeta = program().database.Engine(1);
  EXPECT_EQ((std::vector<std::string>{zeta.startedAt, zeta.finishedAt, zeta.runDate}),
            (std::vector<std::string>{"10:00:01", "10:00:09", "12-10-2026"}));
  EXPECT_EQ(zeta.DeepLinkStatus(), 1);
  EXPECT_EQ(zeta.RegistrationStatus(), 2);
  EXPECT_EQ(program().database.Engine(3).RegistrationStatus(), 1);
  // An empty time comes back as the text the file stores for it.
  EXPECT_EQ(program().database.Engine(2).startedAt, "00:00:00");
  EXPECT_EQ(program().deepPromotion.links,
            (std::vector<std::string>{"http://site.example/1", "http://site.example/2"}));
  EXPECT_EQ(MarkedRows(), (std::vector<std::string>{"Mid Links", "Zeta Search"}));
  EXPECT_TRUE(CheckBoxTicked(program(), 3));
  EXPECT_FALSE(CheckBoxTicked(program(), 4));
  EXPECT_TRUE(CheckBoxTicked(program(), 5));
  EXPECT_EQ(program().session.editor.boxText[kSiteTitle], written[kSiteTitle]);
  EXPECT_TRUE(program().session.saved);
  EXPECT_EQ(program().window.currentTab, kProfilePage);
  EXPECT_FALSE(program().window.busyCursor);
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), path);
}

TEST_F(SessionFileTest, RunFieldsAndQueueFollowEngineNamesNotPositions) {
  // Written against another database: one engine gone, one unknown, order changed.
  std::string bytes = Header(998, {{kMetaNewFile, "out.htm"}});
  bytes += Int16Bytes(3);
  bytes += TextBytes("Gone Engine") + Int16Bytes(1) + Int16Bytes(1) + TextBytes("01:00:00") +
           TextBytes("01:00:01") + TextBytes("d");
  bytes += TextBytes("Mid Links") + Int16Bytes(2) + Int16Bytes(1) + TextBytes("02:00:00") +
           TextBytes("02:00:01") + TextBytes("e");
  bytes += TextBytes("mid links") + Int16Bytes(1) + Int16Bytes(2) + TextBytes("x") +
           TextBytes("y") + TextBytes("z");
  bytes += Int16Bytes(0);
  bytes += Int16Bytes(2) + TextBytes("Gone Engine") + TextBytes("Mid Links");
  const std::string path = Path("other.ses");
  WriteFileBytes(path, bytes);
  SetRunFields(1, 1, 1, "05:00:00", "05:00:05", "keep");

  ReadSession(program(), path, false);

  const EngineRecord& mid = program().database.Engine(3);
  EXPECT_EQ(mid.RegistrationStatus(), 1);
  EXPECT_EQ(mid.DeepLinkStatus(), 2);
  EXPECT_EQ(mid.runDate, "e");
  EXPECT_EQ(program().database.Engine(1).runDate, "keep");
  EXPECT_EQ(MarkedRows(), (std::vector<std::string>{"Mid Links"}));
  // Not remembered: the settings and the shown page stay as they were.
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), "");
  EXPECT_EQ(program().window.currentTab, kStartPage);
}

TEST_F(SessionFileTest, OldFormatOpensProfileOnlyAndClearsRunResults) {
  struct Case {
    std::string fileName;
    std::string expectedCurrentFile;
  };
  const Case cases[] = {
      {"old.ses", "old.ses"}, {"old.wps", "old.ses"}, {"OLD.WpS", "OLD.ses"}, {"wps", "ses"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName);
    // Whatever follows the profile of an old file is not read.
    const std::string path = Path(c.fileName);
    WriteFileBytes(path, Header(999, {{kSiteTitle, "Old Site"}}) + Int16Bytes(3) + "junk");
    SetRunFields(2, 1, 2, "01:00:00", "01:00:01", "12-01-2026");
    MarkRow("Alpha Dir");

    ReadSession(program(), path, false);

    EXPECT_EQ(program().session.profile[kPageAddress], "");
    EXPECT_EQ(program().session.profile[kSiteTitle], "Old Site");
    EXPECT_EQ(program().session.currentFile, Path(c.expectedCurrentFile));
    const EngineRecord& engine = program().database.Engine(2);
    EXPECT_EQ(engine.RegistrationStatus(), 0);
    EXPECT_EQ(engine.DeepLinkStatus(), 0);
    EXPECT_EQ(engine.startedAt + engine.finishedAt + engine.runDate, "");
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_TRUE(program().deepPromotion.links.empty());
  }
}

TEST_F(SessionFileTest, OldFormatShowsItsOwnCountersNotThoseOfTheSessionBefore) {
  SetRunFields(1, 1, 1, "01:00:00", "01:00:01", "12-01-2026");
  SetRunFields(2, 2, 2, "01:00:00", "01:00:01", "12-01-2026");
  MarkRow("Alpha Dir");
  program().deepPromotion.links = {"http://p.example/a"};
  UpdateQueueStatus(program());
  ASSERT_EQ(program().engineLists.status.failed, "1");

  const std::string path = Path("old.ses");
  WriteFileBytes(path, Header(999, {{kSiteTitle, "Old Site"}}));
  ReadSession(program(), path, false);

  const QueueStatus& status = program().engineLists.status;
  EXPECT_EQ(status.successful + status.failed + status.ready + status.deepLinks, "0000");
  EXPECT_EQ(program().progress.deepLinkCount, "0");
}

TEST_F(SessionFileTest, DamagedFilesKeepWhatWasReadAndLeaveTheRestEmpty) {
  const std::string entry = TextBytes("Mid Links") + Int16Bytes(0) + Int16Bytes(1) +
                            TextBytes("02:00:00") + TextBytes("02:00:01") + TextBytes("e");
  const std::string profile = Header(
      998, {{kPageAddress, "http://p.example"}, {kSiteTitle, "Title"}, {kMetaNewFile, "n.htm"}});
  struct Case {
    const char* what;
    std::string bytes;
    std::string siteTitle;
    int midRegistration;
    std::vector<std::string> links;
    std::vector<std::string> marked;
  };
  const Case cases[] = {
      {"text cut short in the profile",
       Int16Bytes(998) + TextBytes("http://a.example") + Int16Bytes(40) + "Tit",
       "",
       0,
       {},
       {}},
      {"negative text length",
       Int16Bytes(998) + TextBytes("http://a.example") + Int16Bytes(-2) + "xx",
       "",
       0,
       {},
       {}},
      {"negative engine count", profile + Int16Bytes(-1) + entry, "Title", 0, {}, {}},
      {"engine count beyond the end", profile + Int16Bytes(400) + entry, "Title", 0, {}, {}},
      {"entry cut short", profile + Int16Bytes(2) + entry + TextBytes("Zeta"), "Title", 1, {}, {}},
      {"link count beyond the end",
       profile + Int16Bytes(1) + entry + Int16Bytes(30000) + TextBytes("http://l.example"),
       "Title",
       1,
       {},
       {}},
      {"oversized link length",
       profile + Int16Bytes(1) + entry + Int16Bytes(2) + TextBytes("http://l.example") +
           Int16Bytes(32767) + "abc",
       "Title",
       1,
       {"http://l.example"},
       {}},
      {"queue cut short",
       profile + Int16Bytes(1) + entry + Int16Bytes(0) + Int16Bytes(2) + TextBytes("Mid Links") +
           Int16Bytes(9) + "Zeta",
       "Title",
       1,
       {},
       {"Mid Links"}},
      {"file ends after the profile", profile, "Title", 0, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string path = Path("damaged.ses");
    WriteFileBytes(path, c.bytes);
    SetRunFields(3, 0, 0, "", "", "");
    test.dialogs.messages.clear();

    ReadSession(program(), path, false);

    EXPECT_TRUE(test.dialogs.messages.empty());
    EXPECT_EQ(program().session.profile[kPageAddress].substr(0, 7), "http://");
    EXPECT_EQ(program().session.profile[kSiteTitle], c.siteTitle);
    EXPECT_EQ(program().session.profile[kProfileSlotCount], "");
    EXPECT_EQ(program().database.Engine(3).RegistrationStatus(), c.midRegistration);
    EXPECT_EQ(program().deepPromotion.links, c.links);
    EXPECT_EQ(MarkedRows(), c.marked);
    EXPECT_TRUE(program().session.saved);
  }
}

// The open session, its file, caption, remembered name, marks and results stay exactly as they
// were, so a later Save never writes over the file that was not a session.
TEST_F(SessionFileTest, AFileThatIsNoSessionShowsTheMessageAndChangesNothing) {
  const std::string wrongSignature = Path("wrong.ses");
  WriteFileBytes(wrongSignature, Int16Bytes(997) + Header(999, {}).substr(2));
  const std::string missing = Path("missing.ses");
  const std::string empty = Path("empty.ses");
  WriteFileBytes(empty, "");
  // Larger than any session can be, with a session's signature in front: refused unread.
  const std::string huge = Path("huge.ses");
  WriteFileBytes(huge, Header(998, {}));
  std::filesystem::resize_file(huge, std::uintmax_t{2} << 30);
  const std::string open = Path("open.ses");
  FillProfile();
  program().deepPromotion.links = {"http://former.example"};
  MarkRow("Alpha Dir");
  SetRunFields(1, kFailed, kSuccessful, "10:00:00", "10:00:05", "01/02/2026");
  ASSERT_TRUE(WriteSession(program(), open, true));
  SetBoxText(program(), kSiteTitle, "Edited");
  const ProfileValues profile = program().session.profile;
  const std::string caption = program().window.caption;
  for (const std::string& path : {wrongSignature, missing, empty, huge}) {
    SCOPED_TRACE(path);
    test.dialogs.messages.clear();

    EXPECT_EQ(ReadSession(program(), path, true), SessionRead::NotSession);

    ASSERT_EQ(test.dialogs.messages.size(), 1u);
    EXPECT_EQ(test.dialogs.messages[0].text, "Cannot recognize Session file");
    EXPECT_EQ(test.dialogs.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(test.dialogs.messages[0].title, "Zentrova");
    EXPECT_EQ(program().session.profile, profile);
    EXPECT_EQ(program().session.editor.boxText[kSiteTitle], "Edited");
    EXPECT_FALSE(program().session.saved);
    EXPECT_EQ(program().session.currentFile, open);
    EXPECT_EQ(program().window.caption, caption);
    EXPECT_EQ(test.settings.Get("Initialization", "Session"), open);
    EXPECT_EQ(program().deepPromotion.links, std::vector<std::string>{"http://former.example"});
    EXPECT_TRUE(program().engineLists.engineList.Row(0).marked);
    EXPECT_EQ(program().database.Engine(1).RegistrationStatus(), kSuccessful);
    EXPECT_FALSE(program().window.busyCursor);
  }
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SessionFileTest, AWriteThatFailsGivesTheReasonAndKeepsTheSessionAsItWas) {
  const std::string open = Path("open.ses");
  ASSERT_TRUE(WriteSession(program(), open, true));
  SetBoxText(program(), kSiteTitle, "Edited");
  const std::string unwritable = Path("no such folder/site.ses");

  const FileOutcome outcome = WriteSession(program(), unwritable, true);

  EXPECT_FALSE(outcome);
  EXPECT_EQ(outcome.reason, "No such file or directory");
  EXPECT_FALSE(program().session.saved);
  EXPECT_EQ(program().session.currentFile, open);
  EXPECT_EQ(program().window.caption, "Zentrova - " + open);
  EXPECT_EQ(test.settings.Get("Initialization", "Session"), open);
}

TEST_F(SessionFileTest, OverlongTextIsCutToWhatItsLengthFieldCanHold) {
  FillProfile();
  SetBoxText(program(), kMetaDescription, std::string(40000, 'd'));
  const std::string path = Path("long.ses");

  WriteSession(program(), path, false);
  ReadSession(program(), path, false);

  EXPECT_EQ(program().session.profile[kMetaDescription], std::string(kMaxStoredText, 'd'));
  EXPECT_EQ(program().session.profile[kMetaKeywords], "slot 79");
}

TEST_F(SessionFileTest, WritingReplacesTheOldFileWholeAndLeavesNoTemporaryFile) {
  const std::string path = Path("replace.ses");
  WriteFileBytes(path, std::string(100000, 'x'));

  WriteSession(program(), path, false);

  const std::string written = ReadFileBytes(path);
  EXPECT_EQ(written.substr(0, 2), Int16Bytes(998));
  EXPECT_LT(written.size(), 100000u);
  size_t files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(test.root)) {
    ++files;
  }
  // The app and data folders, and the session.
  EXPECT_EQ(files, 3u);
}

}  // namespace
}  // namespace zentrova
