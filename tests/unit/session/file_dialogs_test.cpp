#include "session/file_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_program.h"

namespace zentrova {
namespace {

using testing::TestProgram;
using testing::WriteFileBytes;

TEST(ValidSuggestionTest, DropsNamesThatCannotBeAFileName) {
  const struct {
    const char* name;
    bool kept;
  } cases[] = {
      {"", true},          {"New Session.txt", true},
      {"C:\\x.ses", true}, {"/home/user/site.ses", true},
      {"a:b", false},      {"a/b", false},
      {"abc", true},       {"abc:", false},
      {"abcd:efg", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ValidSuggestion(c.name), c.kept ? c.name : "") << c.name;
  }
}

TEST(FileDialogTypesTest, TypesAndStartFolderFollowTheKind) {
  TestProgram test;
  const std::string sessions = test.program.folders.SessionsFolder();
  const struct {
    int kind;
    std::vector<std::string> descriptions;
    std::string startFolder;
  } cases[] = {
      {kHtmlFiles,
       {"HTML files (*.htm;*.html)", "All files (*.*)"},
       test.program.folders.appFolder},
      {kEngineListFiles, {"Search Engine lists (*.sel)", "All files (*.*)"}, sessions},
      {kAnyFiles, {"All files (*.*)"}, sessions},
      {kSessionFiles,
       {"Session files (*.ses)", "Spider files (*.wps)", "All files (*.*)"},
       sessions},
      {7, {"Session files (*.ses)", "Spider files (*.wps)", "All files (*.*)"}, sessions},
  };
  for (const auto& c : cases) {
    const FileDialogRequest request = OpenFileRequest(test.program, c.kind, "a:b");
    std::vector<std::string> descriptions;
    for (const FileType& type : request.types) {
      descriptions.push_back(type.description);
    }
    EXPECT_EQ(descriptions, c.descriptions) << "kind " << c.kind;
    EXPECT_EQ(request.startFolder, c.startFolder);
    EXPECT_EQ(request.fileName, "");
    EXPECT_TRUE(request.mustExist);
  }
  EXPECT_EQ(OpenFileRequest(test.program, kHtmlFiles, "").types[0].pattern, "*.htm;*.html");

  EXPECT_EQ(SaveFileTypes("sel")[0].description, "Search Engline lists (*.sel)");
  EXPECT_EQ(SaveFileTypes("txt")[0].description, "Session files (*.txt)");
  EXPECT_EQ(SaveFileTypes("txt")[0].pattern, "*.txt");
  EXPECT_EQ(SaveFileTypes("htm")[1].pattern, "*.*");
}

TEST(OpenFileDialogTest, ChosenFileNamesTheLastOpenedFile) {
  TestProgram test;
  test.program.session.profile[kLastOpenedFileName] = "before.htm";

  EXPECT_EQ(OpenFileDialog(test.program, kHtmlFiles, ""), "");
  EXPECT_EQ(test.program.session.profile[kLastOpenedFileName], "before.htm");

  test.dialogs.openAnswers = {std::string("/pages/index.htm\0junk", 21)};
  EXPECT_EQ(OpenFileDialog(test.program, kHtmlFiles, "/pages/old.htm"), "/pages/index.htm");
  EXPECT_EQ(test.program.session.profile[kLastOpenedFileName], "index.htm");
  EXPECT_EQ(test.dialogs.openRequests.back().fileName, "/pages/old.htm");
}

class SaveFileDialogTest : public ::testing::Test {
 protected:
  std::string Path(const std::string& name) const { return (test.root / name).string(); }
  TestProgram test;
};

TEST_F(SaveFileDialogTest, TypedNameGetsTheExtension) {
  const struct {
    const char* typed;
    const char* extension;
    const char* result;
  } cases[] = {
      {"list", "sel", "list.sel"},
      {"list.SEL", "sel", "list.SEL"},
      {"notes.txt", "ses", "notes.txt.ses"},
      {"report.htm", "htm", "report.htm"},
      {"dotted.dir/report", "txt", "dotted.dir/report.txt"},
  };
  for (const auto& c : cases) {
    test.dialogs.saveAnswers = {Path(c.typed)};
    EXPECT_EQ(SaveFileDialog(test.program, "", c.extension), Path(c.result)) << c.typed;
  }
  EXPECT_TRUE(test.dialogs.messages.empty());
  EXPECT_EQ(SaveFileDialog(test.program, "", "ses"), "") << "cancelled";
}

TEST_F(SaveFileDialogTest, ExistingFileIsReplacedOnlyWhenTheUserAgrees) {
  WriteFileBytes(Path("site.ses"), "old");
  WriteFileBytes(Path("other.ses"), "old");
  test.dialogs.saveAnswers = {Path("site"), Path("other.ses")};
  test.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};

  EXPECT_EQ(SaveFileDialog(test.program, "start.ses", "ses"), Path("other.ses"));

  ASSERT_EQ(test.dialogs.saveRequests.size(), 2u);
  EXPECT_EQ(test.dialogs.saveRequests[0].fileName, "start.ses");
  EXPECT_EQ(test.dialogs.saveRequests[0].startFolder, test.program.folders.SessionsFolder());
  // After No the dialog comes back holding the name it asked about.
  EXPECT_EQ(test.dialogs.saveRequests[1].fileName, Path("site.ses"));
  ASSERT_EQ(test.dialogs.messages.size(), 2u);
  const testing::ShownMessage& question = test.dialogs.messages[0];
  EXPECT_EQ(question.text,
            Path("site.ses") + "\nThis file already exist.\n\nReplace existing file?");
  EXPECT_EQ(question.title, "Save As");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.icon, MessageIcon::Exclamation);
}

TEST_F(SaveFileDialogTest, ReplaceQuestionIsAboutTheFileThatWillBeWritten) {
  // "notes.txt" exists, but the file written would be "notes.txt.ses": only that one counts.
  WriteFileBytes(Path("notes.txt"), "keep");
  test.dialogs.saveAnswers = {Path("notes.txt")};
  EXPECT_EQ(SaveFileDialog(test.program, "", "ses"), Path("notes.txt.ses"));
  EXPECT_TRUE(test.dialogs.messages.empty());

  WriteFileBytes(Path("notes.txt.ses"), "older session");
  test.dialogs.saveAnswers = {Path("notes.txt")};
  test.dialogs.answers = {MessageAnswer::Yes};
  EXPECT_EQ(SaveFileDialog(test.program, "", "ses"), Path("notes.txt.ses"));
  ASSERT_EQ(test.dialogs.messages.size(), 1u);
  EXPECT_EQ(test.dialogs.messages[0].text.substr(0, Path("notes.txt.ses\n").size()),
            Path("notes.txt.ses\n"));
}

}  // namespace
}  // namespace zentrova
