#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>

#include "submission/run_controller.h"
#include "support/test_program.h"
#include "ui/main/registration_page.h"

namespace zentrova::testing {
namespace {

QString LabelText(const QWidget& page, const char* name) {
  const auto* label = page.findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

QImage Lamp(const QWidget& page, int step) {
  return page.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(step))->pixmap().toImage();
}

TEST(RegistrationPageTest, DrawsTheRunStateAndForwardsItsButtonsToTheCore) {
  TestProgram test;
  Program& program = test.program;
  RegistrationPage page(program);
  EXPECT_TRUE(page.RunButton()->isEnabled());
  EXPECT_FALSE(page.StopButton()->isEnabled());
  EXPECT_EQ(LabelText(page, "Label37"), "00:00:00");
  EXPECT_EQ(LabelText(page, "deepPromotion"), "Deactivated");

  SetBusyControls(program, kRegistrationActivity, true);
  EXPECT_FALSE(page.RunButton()->isEnabled());
  EXPECT_TRUE(page.StopButton()->isEnabled());

  program.progress.engineInProcess = "Caf\xE9 Search";
  program.progress.currentTime = "12:34:56";
  program.progress.lamps = {true, true, false, false};
  program.engineLists.status.successful = "5";
  program.session.editor.check5 = kChecked;
  for (View view : {View::Progress, View::QueueStatus, View::DeepLinks}) {
    program.views.Changed(view);
  }
  EXPECT_EQ(LabelText(page, "Label20"), QString::fromUtf8("Café Search"));
  EXPECT_EQ(LabelText(page, "Label38"), "12:34:56");
  EXPECT_EQ(LabelText(page, "successful"), "5");
  EXPECT_EQ(LabelText(page, "deepPromotion"), "Activated");
  EXPECT_EQ(Lamp(page, 0), Lamp(page, 1));
  EXPECT_NE(Lamp(page, 1), Lamp(page, 2));

  page.StopButton()->click();
  EXPECT_TRUE(page.RunButton()->isEnabled());
  EXPECT_FALSE(page.StopButton()->isEnabled());
  page.RunButton()->click();
  ASSERT_FALSE(test.dialogs.messages.empty());
  EXPECT_EQ(test.dialogs.messages.back().text, "Online Queue is Empty");
}

}  // namespace
}  // namespace zentrova::testing
