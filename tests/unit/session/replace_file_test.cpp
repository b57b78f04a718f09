#include "program/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "program/read_file.h"
#include "support/test_program.h"

namespace zentrova {
namespace {

namespace fs = std::filesystem;
using testing::ReadFileBytes;
using testing::TestProgram;
using testing::WriteFileBytes;

class ReplaceFileTest : public ::testing::Test {
 protected:
  ReplaceFileTest() : folder(test.root / "files") { fs::create_directories(folder); }

  std::string Path(const std::string& name) const { return (folder / name).string(); }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
      names.insert(entry.path().filename().string());
    }
    return names;
  }
  static mode_t Mode(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0);
    return status.st_mode & 07777;
  }

  TestProgram test;
  fs::path folder;
};

TEST_F(ReplaceFileTest, ReplacesTheFileWholeAndLeavesOnlyIt) {
  WriteFileBytes(Path("data.txt"), std::string(5000, 'o'));
  EXPECT_TRUE(ReplaceFileBytes(Path("data.txt"), "new"));
  EXPECT_EQ(ReadFileBytes(Path("data.txt")), "new");
  EXPECT_EQ(Entries(), (std::set<std::string>{"data.txt"}));
}

TEST_F(ReplaceFileTest, FailuresGiveTheSystemsReasonAndLeaveNothingBehind) {
  fs::create_directories(folder / "a folder");
  struct Case {
    std::string path;
    std::string reason;
  };
  const std::vector<Case> cases{{Path("missing/data.txt"), "No such file or directory"},
                                {Path("a folder"), "Is a directory"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    const FileOutcome outcome = ReplaceFileBytes(c.path, "bytes");
    EXPECT_FALSE(outcome);
    EXPECT_EQ(outcome.reason, c.reason);
  }
  EXPECT_EQ(Entries(), (std::set<std::string>{"a folder"}));
}

TEST_F(ReplaceFileTest, TheReplacedFileKeepsItsPermissionsAndANewOneFollowsTheUmask) {
  WriteFileBytes(Path("private.ses"), "old");
  ASSERT_EQ(::chmod(Path("private.ses").c_str(), 0600), 0);
  ASSERT_TRUE(ReplaceFileBytes(Path("private.ses"), "new"));
  EXPECT_EQ(Mode(Path("private.ses")), 0600u);

  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFileBytes(Path("fresh.txt"), "new"));
  ::umask(mask);
  EXPECT_EQ(Mode(Path("fresh.txt")), 0644u);
}

TEST_F(ReplaceFileTest, ALinkStaysALinkAndTheFileItPointsToIsReplaced) {
  fs::create_directories(folder / "real");
  WriteFileBytes(Path("real/session.ses"), "old");
  ASSERT_EQ(::chmod(Path("real/session.ses").c_str(), 0640), 0);
  fs::create_symlink("real/session.ses", folder / "link.ses");
  fs::create_symlink("link.ses", folder / "link to link.ses");

  ASSERT_TRUE(ReplaceFileBytes(Path("link to link.ses"), "new"));

  EXPECT_TRUE(fs::is_symlink(folder / "link.ses"));
  EXPECT_TRUE(fs::is_symlink(folder / "link to link.ses"));
  EXPECT_EQ(ReadFileBytes(Path("real/session.ses")), "new");
  EXPECT_EQ(Mode(Path("real/session.ses")), 0640u);
  EXPECT_EQ(Entries(), (std::set<std::string>{"link.ses", "link to link.ses", "real"}));
}

// Every name the writer ever chose, and the name an earlier build used, is then a file of the
// user's: none of them is touched, and pending writers never share a name.
TEST_F(ReplaceFileTest, FilesNamedLikeTemporaryFilesAreNeverTouched) {
  std::set<std::string> chosen;
  {
    std::vector<std::unique_ptr<PendingFile>> pending;
    for (int i = 0; i < 200; ++i) {
      pending.push_back(std::make_unique<PendingFile>(Path("target.txt"), "pending"));
      ASSERT_TRUE(pending.back()->Prepared());
    }
    chosen = Entries();
  }
  EXPECT_EQ(chosen.size(), 200u);
  EXPECT_TRUE(Entries().empty());
  chosen.insert("~zentrova-write.tmp");
  for (const std::string& name : chosen) {
    WriteFileBytes(Path(name), "user's " + name);
  }

  for (int i = 0; i < 50; ++i) {
    ASSERT_TRUE(ReplaceFileBytes(Path("target.txt"), "written " + std::to_string(i)));
  }

  for (const std::string& name : chosen) {
    EXPECT_EQ(ReadFileBytes(Path(name)), "user's " + name);
  }
  EXPECT_EQ(Entries().size(), chosen.size() + 1);
  EXPECT_EQ(ReadFileBytes(Path("target.txt")), "written 49");
}

// Two writers in one folder (the program and a scheduled run) finish in either order; each
// file ends up with its own writer's bytes.
TEST_F(ReplaceFileTest, TwoWritersInOneFolderNeverSwapTheirBytes) {
  PendingFile first(Path("first.ses"), "first's bytes");
  PendingFile second(Path("second.ses"), "second's bytes");
  ASSERT_TRUE(second.Commit());
  ASSERT_TRUE(first.Commit());
  EXPECT_EQ(ReadFileBytes(Path("first.ses")), "first's bytes");
  EXPECT_EQ(ReadFileBytes(Path("second.ses")), "second's bytes");
  EXPECT_EQ(Entries(), (std::set<std::string>{"first.ses", "second.ses"}));
}

TEST_F(ReplaceFileTest, WholeFileReadsStopAtTheCallersCap) {
  WriteFileBytes(Path("ten.txt"), "0123456789");
  fs::create_directories(folder / "a folder");
  ASSERT_EQ(::mkfifo(Path("pipe").c_str(), 0600), 0);
  // A file far larger than memory would allow is refused from its size alone.
  {
    WriteFileBytes(Path("huge.bin"), "");
    fs::resize_file(folder / "huge.bin", std::uintmax_t{1} << 40);
  }
  struct Case {
    std::string name;
    std::size_t cap;
    bool read;
    bool tooLarge;
  };
  const std::vector<Case> cases{{"ten.txt", 10, true, false},       {"ten.txt", 9, false, true},
                                {"huge.bin", 1 << 20, false, true}, {"missing", 10, false, false},
                                {"a folder", 10, false, false},     {"pipe", 10, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " cap " + std::to_string(c.cap));
    const FileBytes file = ReadWholeFile(Path(c.name), c.cap);
    EXPECT_EQ(static_cast<bool>(file), c.read);
    EXPECT_EQ(file.tooLarge, c.tooLarge);
    EXPECT_EQ(file.outcome.reason.empty(), c.read);
    EXPECT_EQ(file.bytes, c.read ? "0123456789" : "");
  }
}

}  // namespace
}  // namespace zentrova
