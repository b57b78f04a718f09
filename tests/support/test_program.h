#pragma once

#include <filesystem>
#include <string>

#include "program/program.h"
#include "support/fake_ports.h"

namespace zentrova::testing {

// A Program wired to fake ports, with its own empty AppFolder (LOG/ and SESSIONS/ made)
// under a fresh temporary folder that is removed afterwards. The ports other than the browser
// are the headless ones (`dialogs`, `settings`, `clock`, …).
class TestProgram : public HeadlessPorts {
 public:
  TestProgram();
  ~TestProgram();
  TestProgram(const TestProgram&) = delete;
  TestProgram& operator=(const TestProgram&) = delete;

  Program program;
  FakeBrowser browser;
  int exitCount = 0;

  std::filesystem::path root;  // the temporary folder; AppFolder is root / "app"
  std::string AppPath(const std::string& relative) const {
    return program.folders.appFolder + relative;
  }
};

// Reads a whole file as bytes; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::string& bytes);
// A page the program wrote for people, without its UTF-8 declaration and back in the session's
// code page, so that tests of what a page says compare with the core's own texts. A page that
// lacks the declaration comes back marked, and no comparison with it succeeds.
std::string DeclaredPageText(const std::string& bytes);
// The reply text an engine's reply text file shows, as DeclaredPageText gives it, without the
// markup that keeps it text; a file in any other form comes back whole.
std::string KeptReplyText(const std::string& bytes);

}  // namespace zentrova::testing
