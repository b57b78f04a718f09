#include "meta/meta_generator.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <iterator>
#include <string>

#include "meta/meta_file.h"
#include "session/session_model.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

constexpr char kBlock[] =
    "<title>Page</title>\r\n"
    "<META Name=\"KEYWORDS\" Content=\"k1, k2\">\r\n"
    "<META Name=\"DESCRIPTION\" Content=\"Say \"hi\"\">\r\n";

class MetaGeneratorTest : public ::testing::Test {
 protected:
  // Copies a fixture into a folder of its own, as "&Browse" would have picked it.
  std::string PickSource(const std::string& fixture) {
    folder = t.root / "pages";
    std::filesystem::create_directories(folder);
    const std::filesystem::path source = folder / fixture;
    std::filesystem::copy_file(std::string(ZENTROVA_FIXTURES) + "/meta/" + fixture, source,
                               std::filesystem::copy_options::overwrite_existing);
    t.program.session.profile[kLastOpenedFileName] = fixture;
    SetBoxText(t.program, kMetaSourceFile, source.string());
    SetBoxText(t.program, kMetaNewFile, "out.htm");
    SetBoxText(t.program, kMetaTitle, "Page");
    SetBoxText(t.program, kMetaKeywords, "k1, k2");
    SetBoxText(t.program, kMetaDescription, "Say \"hi\"");
    return source.string();
  }
  std::string LastMessage() const {
    return t.dialogs.messages.empty() ? std::string() : t.dialogs.messages.back().text;
  }
  std::string Output() const { return testing::ReadFileBytes(folder / "out.htm"); }

  testing::TestProgram t;
  std::filesystem::path folder;
};

struct GeneratedCase {
  const char* fixture;
  std::string expected;
};

TEST_F(MetaGeneratorTest, WritesTheCleanedCopyWithTheNewTags) {
  const std::string block = kBlock;
  const GeneratedCase cases[] = {
      // Both titles go (either closing form closes either opening), lower-case META tags go,
      // a mixed-case META stays, and a META in the body stays.
      {"two_titles.htm",
       "<html>\r\n<HEAD>\r\n<Meta name=\"keep\" content=\"c\">\r\n<link rel=\"x\">\r\n" + block +
           "\r\n</HEAD>\r\n<BODY>\r\n\r\n<meta name=\"body\" content=\"d\">\r\nText\r\n"
           "</BODY></html>\r\n"},
      {"unclosed_title.htm",
       "<head>\r\n<title>Lost\r\n" + block + "\r\n</head><body>\r\nb</body>\r\n"},
      {"no_body.htm", "<HTML><HEAD>\r\n\r\n" + block + "\r\n\r\n</HEAD>\r\n<P>text</P></HTML>\r\n"},
      // The head's own closing ">" lies outside the head text and must not end the tag.
      {"unclosed_meta.htm", "<head>\r\n<meta name=\"x\" content=\"y\"\r\n" + block +
                                "\r\n</head>\r\n<body>\r\nz</body>\r\n"},
      {"both_cases.htm", "<HEAD><head>\r\n\r\n" + block + "\r\n</head></HEAD><body>\r\nb\r\n"},
  };
  for (const GeneratedCase& c : cases) {
    SCOPED_TRACE(c.fixture);
    const std::string source = PickSource(c.fixture);
    const std::string original = testing::ReadFileBytes(source);
    std::filesystem::remove(folder / "out.htm");
    EXPECT_TRUE(GenerateMetaTags(t.program));
    EXPECT_EQ(LastMessage(), "New file was generated");
    EXPECT_EQ(Output(), c.expected);
    EXPECT_EQ(testing::ReadFileBytes(source), original);
  }
}

// The copy keeps its page's encoding: the inserted texts follow the page, never the other
// way round, so neither the head nor the body shows garbage.
TEST_F(MetaGeneratorTest, TheInsertedTextsFollowThePagesEncoding) {
  const std::string utf8Block =
      "<meta charset=\"utf-8\">\r\n<title>Caf\xC3\xA9</title>\r\n"
      "<META Name=\"KEYWORDS\" Content=\"k1, k2\">\r\n"
      "<META Name=\"DESCRIPTION\" Content=\"Say \"hi\"\">\r\n";
  const std::string codePageBlock =
      "<title>Caf\xE9</title>\r\n<META Name=\"KEYWORDS\" Content=\"k1, k2\">\r\n"
      "<META Name=\"DESCRIPTION\" Content=\"Say \"hi\"\">\r\n";
  const struct {
    const char* label;
    std::string page;
    std::string expected;
  } cases[] = {
      {"declared, its declaration dropped with the other META tags",
       "<html><head><meta charset=\"UTF-8\"></head><body>plain</body></html>",
       "<html><head>\r\n\r\n" + utf8Block + "\r\n</head><body>\r\nplain</body></html>\r\n"},
      {"declared in the older form",
       "<html><head><META http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
       "</head><body>plain</body></html>",
       "<html><head>\r\n\r\n" + utf8Block + "\r\n</head><body>\r\nplain</body></html>\r\n"},
      {"undeclared but UTF-8 in its body", "<html><head></head><body>M\xC3\xBCller</body></html>",
       "<html><head>\r\n\r\n" + utf8Block + "\r\n</head><body>\r\nM\xC3\xBCller</body></html>\r\n"},
      {"a byte-order mark", "\xEF\xBB\xBF<html><head></head><body>plain</body></html>",
       "\xEF\xBB\xBF<html><head>\r\n\r\n" + utf8Block +
           "\r\n</head><body>\r\nplain</body></html>\r\n"},
      {"Windows-1252 letters", "<html><head></head><body>M\xFCller</body></html>",
       "<html><head>\r\n\r\n" + codePageBlock + "\r\n</head><body>\r\nM\xFCller</body></html>\r\n"},
      {"another declared charset",
       "<html><head><meta charset=\"iso-8859-1\"></head><body>M\xFCller charset=utf-8</body>"
       "</html>",
       "<html><head>\r\n\r\n" + codePageBlock +
           "\r\n</head><body>\r\nM\xFCller charset=utf-8</body></html>\r\n"},
      {"plain ASCII", "<html><head></head><body>plain</body></html>",
       "<html><head>\r\n\r\n" + codePageBlock + "\r\n</head><body>\r\nplain</body></html>\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    PickSource("two_titles.htm");
    testing::WriteFileBytes(folder / "two_titles.htm", c.page);
    std::filesystem::remove(folder / "out.htm");
    SetBoxText(t.program, kMetaTitle, "Caf\xE9");
    ASSERT_TRUE(GenerateMetaTags(t.program)) << LastMessage();
    EXPECT_EQ(Output(), c.expected);
  }
}

TEST_F(MetaGeneratorTest, ReportsPagesItCannotSplit) {
  const struct {
    const char* fixture;
    const char* message;
  } cases[] = {
      {"too_short.htm", "No HTM file"},
      {"mixed_case_head.htm", "No <HEAD> tag"},
      {"head_with_attributes.htm", "No <HEAD> tag"},
      {"no_head_close.htm", "No </HEAD> tag"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fixture);
    PickSource(c.fixture);
    EXPECT_FALSE(GenerateMetaTags(t.program));
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_FALSE(std::filesystem::exists(folder / "out.htm"));
  }
  const testing::ShownMessage& shown = t.dialogs.messages.back();
  EXPECT_EQ(shown.icon, MessageIcon::Exclamation);
  EXPECT_EQ(shown.buttons, MessageButtons::Ok);
  EXPECT_EQ(shown.title, kAppTitle);

  PickSource("no_body.htm");
  SetBoxText(t.program, kMetaSourceFile, (folder / "missing.htm").string());
  EXPECT_FALSE(GenerateMetaTags(t.program));
  EXPECT_EQ(LastMessage(), "Error during loading HTM file");

  SetBoxText(t.program, kMetaSourceFile, "");
  const size_t before = t.dialogs.messages.size();
  EXPECT_FALSE(GenerateMetaTags(t.program));
  EXPECT_EQ(t.dialogs.messages.size(), before + 1);
  EXPECT_EQ(LastMessage(), "No HTM file in field");
}

TEST_F(MetaGeneratorTest, FillsEmptyValuesFromTheSiteAndNamesTheNewFile) {
  PickSource("no_body.htm");
  SetBoxText(t.program, kSiteTitle, "Site");
  SetBoxText(t.program, kSiteDescription, "About");
  SetBoxText(t.program, kKeyword1, "words");
  SetBoxText(t.program, kMetaTitle, "");
  SetBoxText(t.program, kMetaDescription, "");
  SetBoxText(t.program, kMetaKeywords, "");
  SetBoxText(t.program, kMetaNewFile, "   ");
  ASSERT_TRUE(GenerateMetaTags(t.program));
  EXPECT_EQ(t.program.session.editor.boxText[kMetaNewFile], "nobody1.htm");
  EXPECT_EQ(t.program.session.editor.boxText[kMetaTitle], "Site");
  const std::string written = testing::ReadFileBytes(folder / "nobody1.htm");
  // The keyword text is rebuilt from the keyword boxes when the session is collected.
  const ProfileValues& profile = t.program.session.profile;
  EXPECT_EQ(profile[kMetaKeywords], profile[kKeywordText]);
  EXPECT_NE(written.find("<title>Site</title>\r\n<META Name=\"KEYWORDS\" Content=\"" +
                         profile[kKeywordText] +
                         "\">\r\n<META Name=\"DESCRIPTION\" Content=\"About\">\r\n"),
            std::string::npos);
}

TEST_F(MetaGeneratorTest, KeepsTheEarlierCopyAsTheBackup) {
  PickSource("both_cases.htm");
  for (const char* title : {"First", "Second", "Third"}) {
    SetBoxText(t.program, kMetaTitle, title);
    ASSERT_TRUE(GenerateMetaTags(t.program));
  }
  EXPECT_NE(Output().find("<title>Third</title>"), std::string::npos);
  const std::string backup = testing::ReadFileBytes(folder / "out.BAK");
  EXPECT_NE(backup.find("<title>Second</title>"), std::string::npos);
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    EXPECT_TRUE(entry.path().filename() == "both_cases.htm" ||
                entry.path().filename() == "out.htm" || entry.path().filename() == "out.BAK")
        << entry.path();
  }
}

// Writes beyond this many bytes fail as on a full disk, until the guard ends.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

// Whatever step fails, the earlier copy and its backup stay as they were, the user learns
// why, and "New file was generated" is not said.
TEST_F(MetaGeneratorTest, AFailedWriteLeavesTheEarlierCopyAndItsBackupAsTheyWere) {
  PickSource("both_cases.htm");
  for (const char* title : {"First", "Second"}) {
    SetBoxText(t.program, kMetaTitle, title);
    ASSERT_TRUE(GenerateMetaTags(t.program));
  }
  const std::string earlier = Output();
  const std::string backup = testing::ReadFileBytes(folder / "out.BAK");
  const std::string target = (folder / "out.htm").string();
  SetBoxText(t.program, kMetaTitle, "Third");
  t.dialogs.messages.clear();
  {
    const FileSizeLimit fullDisk(16);
    EXPECT_FALSE(GenerateMetaTags(t.program));
  }
  ASSERT_EQ(t.dialogs.messages.size(), 1u);
  EXPECT_EQ(LastMessage(), "Cannot write the file " + target + ": File too large");

  // The backup cannot be written (a folder has its name): the new copy is not put in place.
  const std::string savedBackup = backup;
  std::filesystem::rename(folder / "out.BAK", t.root / "kept.BAK");
  std::filesystem::create_directory(folder / "out.BAK");
  EXPECT_FALSE(GenerateMetaTags(t.program));
  EXPECT_EQ(LastMessage(), "Cannot write the file " + target + ": Is a directory");
  EXPECT_EQ(Output(), earlier);
  std::filesystem::remove(folder / "out.BAK");
  std::filesystem::rename(t.root / "kept.BAK", folder / "out.BAK");

  EXPECT_EQ(Output(), earlier);
  EXPECT_EQ(testing::ReadFileBytes(folder / "out.BAK"), savedBackup);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            3);
}

TEST_F(MetaGeneratorTest, ANewFileNameThatLeavesTheFolderWritesNothing) {
  PickSource("no_body.htm");
  for (const char* name : {"../out.htm", "sub/out.htm", "/tmp/out.htm", "..", "a..b.htm"}) {
    SCOPED_TRACE(name);
    SetBoxText(t.program, kMetaNewFile, name);
    EXPECT_FALSE(GenerateMetaTags(t.program));
    EXPECT_EQ(LastMessage(),
              "The new file's name must name a file in the source file's folder: it cannot hold "
              "\"/\" or \"..\"");
  }
  EXPECT_FALSE(std::filesystem::exists(t.root / "out.htm"));
  EXPECT_FALSE(std::filesystem::exists("/tmp/out.htm"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder),
                          std::filesystem::directory_iterator()),
            1);
}

// The folder once came from cutting the source path by the length of the last opened name.
TEST_F(MetaGeneratorTest, TheCopyGoesIntoTheSourceFilesOwnFolder) {
  PickSource("no_body.htm");
  for (const char* lastOpened : {"x.htm", "a much longer name than the source.html", ""}) {
    SCOPED_TRACE(lastOpened);
    std::filesystem::remove(folder / "out.htm");
    t.program.session.profile[kLastOpenedFileName] = lastOpened;
    ASSERT_TRUE(GenerateMetaTags(t.program));
    EXPECT_TRUE(std::filesystem::exists(folder / "out.htm"));
  }
}

TEST_F(MetaGeneratorTest, BrowseFillsBothBoxesAndCancelChangesNothing) {
  SetBoxText(t.program, kMetaNewFile, "old.htm");
  BrowseMetaSource(t.program);
  EXPECT_EQ(t.program.session.editor.boxText[kMetaNewFile], "old.htm");
  ASSERT_EQ(t.dialogs.openRequests.size(), 1u);

  const std::string picked = (t.root / "My Home-Page.html").string();
  t.dialogs.openAnswers.push_back(picked);
  BrowseMetaSource(t.program);
  EXPECT_EQ(t.program.session.editor.boxText[kMetaSourceFile], picked);
  EXPECT_EQ(t.program.session.editor.boxText[kMetaNewFile], "myhomep1.htm");
}

TEST(MetaFileNames, NewFileNameAndBackupName) {
  testing::TestProgram t;
  const struct {
    const char* lastOpened;
    int n;
    const char* expected;
  } names[] = {
      {"My Home-Page.html", 1, "myhomep1.htm"},
      {"index.html", 1, "index1.htm"},
      {".hidden.htm", 1, "1.htm"},
      {"A_B\"C`D.HTM", 12, "abcd12.htm"},
      {"", 3, "3.htm"},
  };
  for (const auto& c : names) {
    t.program.session.profile[kLastOpenedFileName] = c.lastOpened;
    EXPECT_EQ(MakeNewFileName(t.program, c.n), c.expected) << c.lastOpened;
  }
  const struct {
    const char* path;
    const char* expected;
  } backups[] = {
      {"page1.htm", "page1.BAK"},
      {"page1.html", "page1.html.BAK"},
      {"C:\\w\\noext", "C:\\w\\noext.BAK"},
      {"a.b", "a.BAK"},
      {"x.y.htm", "x.y.BAK"},
  };
  for (const auto& c : backups) {
    EXPECT_EQ(BackupFileName(c.path), c.expected) << c.path;
  }
}

// Each tag once started a new search for every form through the rest of the head.
TEST(MetaHeadCleaners, HeadsOfAMegabyteOfTagsAreCleanedInOnePass) {
  const auto repeated = [](const std::string& piece) {
    std::string text;
    while (text.size() < 1024 * 1024) {
      text += piece;
    }
    return text;
  };
  EXPECT_EQ(StripHeadTags(repeated("<meta>")), "");
  EXPECT_EQ(StripHeadTags(repeated("<head>")), "");
  const std::string tagsAndText = repeated("<META name=a>x");
  EXPECT_EQ(StripHeadTags(tagsAndText), std::string(tagsAndText.size() / 14, 'x'));
  EXPECT_EQ(StripTitleElements(repeated("<title>t</title>")), "");
  EXPECT_EQ(StripTitleElements(repeated("<TITLE>")), repeated("<TITLE>"));
}

TEST_F(MetaGeneratorTest, NestedHeadsOfAMegabyteSplitInOnePass) {
  PickSource("no_body.htm");
  std::string page = "<html>";
  for (int i = 0; i < 200000; ++i) {
    page += "<head>";
  }
  page += "<title>x</title></head><body>b</body>";
  testing::WriteFileBytes(folder / "no_body.htm", page);
  ASSERT_TRUE(GenerateMetaTags(t.program));
  const std::string written = Output();
  EXPECT_EQ(written.substr(0, 12), "<html><head>");
  EXPECT_NE(written.find("\r\n\r\n<title>Page</title>"), std::string::npos);
  EXPECT_LT(written.size(), 300u);
}

TEST(MetaHeadCleaners, TrimOnlyWholeLineBreakPairs) {
  EXPECT_EQ(TrimLineBreaks("\r\n\r\nab\r\n\r\n"), "ab");
  EXPECT_EQ(TrimLineBreaks("\n\rab\r"), "\n\rab\r");
  EXPECT_EQ(TrimLineBreaks("\r\n"), "");
  EXPECT_EQ(StripHeadTags("a<!WS x>\r\nb<!WSx>c<HEAD>d"), "ab<!WSx>cd");
  EXPECT_EQ(StripTitleElements("<TITLE>x</title><title>y</TITLE>\r\n\r\nz"), "z");
}

}  // namespace
}  // namespace zentrova
