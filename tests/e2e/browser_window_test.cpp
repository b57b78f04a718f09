#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include "event_wait.h"

#include "fake_engine_server.h"
#include "support/test_program.h"
#include "ui/browser/browser_window.h"

namespace zentrova::testing {
namespace {

QPushButton* ButtonNamed(QWidget& window, const QString& caption) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == caption) {
      return button;
    }
  }
  return nullptr;
}

TEST(BrowserWindowTest, StaysHiddenShowsItsEmptyPageAndFollowsOnlyReachedAddresses) {
  TestProgram files;
  FakeEngineServer server;
  BrowserWindow window(files.AppPath("LOG/"));
  QStringList shownAddresses;
  QObject::connect(window.AddressBox(), &QLineEdit::textChanged,
                   [&](const QString& text) { shownAddresses << text; });

  EXPECT_EQ(window.windowTitle(), "Debug");
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(ReadFileBytes(files.AppPath("LOG/noreport.htm")), "<html><center>Empty</html>\r\n");
  ASSERT_TRUE(RunEventsUntil(
      [&] { return window.AddressBox()->text().endsWith("LOG/noreport.htm"); }, 20000));

  std::vector<std::string> reported;
  window.SubmissionBrowser().events.navigationCompleted = [&](const std::string& url, int) {
    reported.push_back(url);
  };
  window.SubmissionBrowser().Submit({true, server.Url("/echo"), "a=1"});
  ASSERT_TRUE(RunEventsUntil([&] { return reported.size() == 1; }, 20000));
  EXPECT_EQ(window.AddressBox()->text(), QString::fromStdString(server.Url("/echo")));

  // A reply page's script boxes must not wait for a user who is not there.
  window.SubmissionBrowser().Navigate(server.Url("/alert"));
  ASSERT_TRUE(RunEventsUntil([&] { return reported.size() == 2; }, 20000));
  EXPECT_EQ(window.SubmissionBrowser().BodyText(), "Thank you");

  window.AddressBox()->setText(QString::fromStdString(server.Url("/thanks")));
  QPushButton* navigate = ButtonNamed(window, "Navigate");
  ASSERT_NE(navigate, nullptr);
  navigate->click();
  ASSERT_TRUE(RunEventsUntil([&] { return reported.size() == 3; }, 20000));
  EXPECT_EQ(reported[2], server.Url("/thanks"));

  for (const QString& address : shownAddresses) {
    EXPECT_FALSE(address.startsWith("data:")) << address.left(40).toStdString();
  }
}

}  // namespace
}  // namespace zentrova::testing
