#include "program/default_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

#include "support/test_program.h"

namespace zentrova {
namespace {

// Sets (or, with nullopt, removes) environment variables for one test and puts them back.
class EnvironmentGuard {
 public:
  void Set(const char* name, const std::optional<std::string>& value) {
    if (!saved_.count(name)) {
      const char* old = std::getenv(name);
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    }
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }
  ~EnvironmentGuard() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }

 private:
  std::map<std::string, std::optional<std::string>> saved_;
};

TEST(DefaultFoldersTest, AppFolderFollowsTheEnvironment) {
  const struct {
    std::optional<std::string> home;
    std::optional<std::string> xdg;
    std::string expected;
  } cases[] = {
      {"/z/home", "/xdg", "/z/home/"},
      {"/z/home/", std::nullopt, "/z/home/"},
      {std::nullopt, "/xdg", "/xdg/zentrova/"},
      {"", "", "/users/me/.local/share/zentrova/"},
      {std::nullopt, std::nullopt, "/users/me/.local/share/zentrova/"},
  };
  for (const auto& c : cases) {
    EnvironmentGuard environment;
    environment.Set("HOME", "/users/me");
    environment.Set("ZENTROVA_HOME", c.home);
    environment.Set("XDG_DATA_HOME", c.xdg);
    EXPECT_EQ(DefaultFolders().appFolder, c.expected);
  }
}

TEST(DefaultFoldersTest, DataFolderIsBesideTheExecutablesFolderUnlessOverridden) {
  EnvironmentGuard environment;
  environment.Set("ZENTROVA_DATA", std::nullopt);
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe");
  const std::string expected =
      (executable.parent_path().parent_path() / "share" / "zentrova").string() + "/";
  EXPECT_EQ(DefaultFolders().dataFolder, expected);

  environment.Set("ZENTROVA_DATA", "/opt/data");
  EXPECT_EQ(DefaultFolders().dataFolder, "/opt/data/");
}

TEST(DefaultFoldersTest, WorkingFoldersAreMadeAndExistingOnesAreNoError) {
  testing::TestProgram test;
  test.program.folders.appFolder = (test.root / "new" / "app").string() + "/";
  MakeWorkingFolders(test.program);
  MakeWorkingFolders(test.program);
  EXPECT_TRUE(std::filesystem::is_directory(test.root / "new" / "app" / "LOG"));
  EXPECT_TRUE(std::filesystem::is_directory(test.root / "new" / "app" / "SESSIONS"));
}

}  // namespace
}  // namespace zentrova
