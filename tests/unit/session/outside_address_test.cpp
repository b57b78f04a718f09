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

}  // namespace
}  // namespace zentrova
