#include "program/outside_address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_ports.h"

namespace zentrova {
namespace {

TEST(OutsideAddress, OnlyWebAddressesAreFollowedAndOnlyThoseAndMailOpenOutside) {
  struct Case {
    std::string address;
    bool web;
    bool opens;
  };
  const std::vector<Case> cases{
      {"http://site.example/", true, true},
      {"HTTPS://site.example/", true, true},
      {"mailto:me@site.example", false, true},
      {"MailTo:me@site.example", false, true},
      {"file:///etc/passwd", false, false},
      {"javascript:alert(1)", false, false},
      {"ftp://site.example/", false, false},
      {"httpx://site.example/", false, false},
      {"http", false, false},
      {"/relative/page.htm", false, false},
      {"", false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.address);
    EXPECT_EQ(IsWebAddress(c.address), c.web);
    EXPECT_EQ(OpensInUsersBrowser(c.address), c.opens);
    testing::FakeShell shell;
    OpenClickedLink(shell, c.address);
    EXPECT_EQ(shell.opened.size(), c.opens ? 1u : 0u);
  }
}

TEST(OutsideAddress, FileAddressNamesTheFileWhateverItsNameHolds) {
  const struct {
    std::string path;
    std::string address;
  } cases[] = {
      {"/home/u/site/index.htm", "file:///home/u/site/index.htm"},
      {"/home/j\xC3\xBCrgen/M\xC3\xBCller Seite.html",
       "file:///home/j%C3%BCrgen/M%C3%BCller%20Seite.html"},
      // Address syntax in a name is part of the name.
      {"/tmp/a#b?c%d.htm", "file:///tmp/a%23b%3Fc%25d.htm"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileAddress(c.path), c.address) << c.path;
  }
}

}  // namespace
}  // namespace zentrova
