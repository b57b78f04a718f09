#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "app/platform/qt_http_client.h"
#include "event_wait.h"
#include "fake_engine_server.h"
#include "session/session_model.h"
#include "ui_fixture.h"

namespace zentrova::testing {
namespace {

// The Profile page's IndexNow buttons on the real window, the key file served on 127.0.0.1.
class ProfileKeyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.Start());
    ui.program().ports.http = &http;
    SetBoxText(ui.program(), kPageAddress, server.Url("/index.htm"));
  }
  void Click(const char* button) {
    auto* found = ui.Find<QPushButton>(QString::fromLatin1(button));
    ASSERT_NE(found, nullptr) << button;
    QTest::mouseClick(found, Qt::LeftButton);
  }
  QString Key() const { return ui.Find<QLineEdit>("vartext_40")->text(); }
  // The text of the message the Check button shows once the answer is there.
  std::string CheckMessage() {
    const size_t before = ui.test.dialogs.messages.size();
    Click("indexNowCheck");
    EXPECT_TRUE(RunEventsUntil([&] { return ui.test.dialogs.messages.size() > before; }, 10000));
    return ui.test.dialogs.messages.empty() ? "" : ui.test.dialogs.messages.back().text;
  }

  FakeEngineServer server;
  UiProgram ui;
  QtHttpClient http;
};

TEST_F(ProfileKeyTest, GenerateSaveAndCheckAKeyFile) {
  Click("indexNowGenerate");
  const QString key = Key();
  EXPECT_TRUE(QRegularExpression("^[0-9a-f]{32}$").match(key).hasMatch()) << key.toStdString();
  const std::string address = server.Url("/" + key.toStdString() + ".txt");

  // Not yet published: the message names the address and why it failed.
  std::string message = CheckMessage();
  EXPECT_NE(message.find("failed:\r\n" + address + "\r\nthe key file was not found"),
            std::string::npos)
      << message;

  const std::string saved = (ui.test.root / (key.toStdString() + ".txt")).string();
  ui.test.dialogs.saveAnswers = {saved};
  Click("indexNowSaveKeyFile");
  ASSERT_EQ(ui.test.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(ui.test.dialogs.saveRequests[0].fileName, key.toStdString() + ".txt");
  // The saved file is what the site publishes.
  server.rootFiles[key + ".txt"] = QByteArray::fromStdString(ReadFileBytes(saved));
  message = CheckMessage();
  EXPECT_NE(message.find("holds the key:\r\n" + address), std::string::npos) << message;

  // A second key asks first; refused, the box keeps the key the file holds.
  ui.test.dialogs.answers = {MessageAnswer::No};
  Click("indexNowGenerate");
  EXPECT_EQ(Key(), key);
  ui.test.dialogs.answers = {MessageAnswer::Yes};
  Click("indexNowGenerate");
  EXPECT_NE(Key(), key);
  message = CheckMessage();
  EXPECT_NE(message.find("the key file was not found"), std::string::npos) << message;
}

}  // namespace
}  // namespace zentrova::testing
