#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "submission/run_controller.h"
#include "ui/main/help_window.h"
#include "ui/main/link_dialog_window.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace {

QStringList ToolTips(const UiProgram& ui, const QString& frame) {
  QStringList tips;
  for (auto* button : ui.Find<QGroupBox>(frame)->findChildren<QToolButton*>()) {
    tips << button->toolTip();
  }
  return tips;
}

QToolButton* ButtonWithTip(const UiProgram& ui, const QString& frame, const QString& tip) {
  for (auto* button : ui.Find<QGroupBox>(frame)->findChildren<QToolButton*>()) {
    if (button->toolTip() == tip) {
      return button;
    }
  }
  return nullptr;
}

QStringList Rows(const UiProgram& ui, const QString& list) {
  QStringList rows;
  auto* widget = ui.Find<QListWidget>(list);
  for (int row = 0; row < widget->count(); ++row) {
    rows << widget->item(row)->text();
  }
  return rows;
}

// The dialog is a window of its own, not a child widget of the main window's pages.
LinkDialogWindow* OpenLinkDialog(const UiProgram& ui) {
  QTest::mouseClick(ButtonWithTip(ui, "Frame2", "Add a Link into the List"), Qt::LeftButton);
  return ui.window().findChild<LinkDialogWindow*>("Form99");
}

template <typename T>
T* InDialog(LinkDialogWindow* dialog, const char* name) {
  return dialog->findChild<T*>(QString::fromLatin1(name));
}

}  // namespace

class SideTabsTest : public QObject {
  Q_OBJECT

 private slots:
  void listButtonsCarryTheirToolTipsInOrder() {
    UiProgram ui;
    QVERIFY(ui.Start());
    QCOMPARE(ToolTips(ui, "Frame2"),
             (QStringList{"Add a Link into the List", "Remove a Link from the List", "Move Up",
                          "Move Down", "Remove All"}));
    QCOMPARE(ToolTips(ui, "FrameBatch"),
             (QStringList{"Add a Session into the List", "Remove a Session from the List",
                          "Move Up", "Move Down", "Remove All"}));
    QCOMPARE(ui.Find<QCheckBox>("Check5")->text(),
             QStringLiteral("Use this list for Deep Promotion in current Session"));
  }

  void typedLinksReachTheListAndCloseTheDialog_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("row");
    QTest::newRow("bare host and path") << "example.com/page/"
                                        << "http://example.com/page";
    QTest::newRow("scheme already typed") << "HTTPS://example.com/a"
                                          << "HTTPS://example.com/a";
  }
  void typedLinksReachTheListAndCloseTheDialog() {
    QFETCH(QString, typed);
    QFETCH(QString, row);
    UiProgram ui;
    QVERIFY(ui.Start());
    LinkDialogWindow* dialog = OpenLinkDialog(ui);
    QVERIFY(dialog != nullptr);
    QVERIFY(dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Add Links for Deep Promotion List"));

    QTest::keyClicks(InDialog<QLineEdit>(dialog, "TypedAddress"), typed);
    QTest::mouseClick(InDialog<QPushButton>(dialog, "AddLink"), Qt::LeftButton);

    QCOMPARE(Rows(ui, "List7"), QStringList{row});
    QVERIFY(!dialog->isVisible());
    QCOMPARE(ui.Find<QLabel>("DeepLinkCount")->text(), QStringLiteral("Deep Promotion Links: 1"));
    // Reopened, the dialog still holds what was typed.
    OpenLinkDialog(ui);
    QCOMPARE(InDialog<QLineEdit>(dialog, "TypedAddress")->text(), typed);
  }

  void switchDrivesTheRegistrationLabel() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* label = ui.Find<QLabel>("deepPromotion");
    QCOMPARE(label->text(), QStringLiteral("Deactivated"));
    auto* check = ui.Find<QCheckBox>("Check5");
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Activated"));
    QTest::mouseClick(check, Qt::LeftButton);
    QCOMPARE(label->text(), QStringLiteral("Deactivated"));
  }

  void removeAllAsksFirst() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.program().deepPromotion.links = {"http://a.example", "http://b.example"};
    ui.program().views.Changed(View::DeepLinks);
    QToolButton* removeAll = ButtonWithTip(ui, "Frame2", "Remove All");

    ui.test.dialogs.answers = {MessageAnswer::No};
    QTest::mouseClick(removeAll, Qt::LeftButton);
    QCOMPARE(Rows(ui, "List7").size(), 2);
    QCOMPARE(ui.test.dialogs.messages.back().text,
             std::string("Do you want to remove all links from the list?"));

    ui.test.dialogs.answers = {MessageAnswer::Yes};
    QTest::mouseClick(removeAll, Qt::LeftButton);
    QVERIFY(Rows(ui, "List7").isEmpty());
    QCOMPARE(ui.Find<QLabel>("DeepLinkCount")->text(), QStringLiteral("Deep Promotion Links: 0"));
  }

  void dialogEnablesOnlyTheChosenFrame() {
    UiProgram ui;
    QVERIFY(ui.Start());
    LinkDialogWindow* dialog = OpenLinkDialog(ui);
    auto* typedFrame = InDialog<QGroupBox>(dialog, "OptionFrame1");
    auto* fileFrame = InDialog<QGroupBox>(dialog, "OptionFrame2");
    auto* webExtract = InDialog<QPushButton>(dialog, "ExtractFromWeb");
    auto* stop = InDialog<QPushButton>(dialog, "StopExtraction");
    QVERIFY(InDialog<QRadioButton>(dialog, "Option1")->isChecked());
    QVERIFY(typedFrame->isEnabled());
    QVERIFY(!fileFrame->isEnabled());
    QVERIFY(!webExtract->isEnabled());

    // The icon beside an option button chooses its frame too.
    QTest::mouseClick(InDialog<QToolButton>(dialog, "OptionIcon3"), Qt::LeftButton);
    QVERIFY(InDialog<QRadioButton>(dialog, "Option3")->isChecked());
    QVERIFY(!typedFrame->isEnabled());
    QVERIFY(webExtract->isEnabled());
    QVERIFY(!stop->isEnabled());

    // A web extraction in progress: only its "Stop" works, and the option cannot move away.
    SetBusyControls(ui.program(), kExtractionActivity, true);
    QVERIFY(!webExtract->isEnabled());
    QVERIFY(stop->isEnabled());
    QVERIFY(!InDialog<QLineEdit>(dialog, "WebAddress")->isEnabled());
    QVERIFY(!ui.Find<QGroupBox>("Frame2")->isEnabled());
    QTest::mouseClick(InDialog<QRadioButton>(dialog, "Option1"), Qt::LeftButton);
    QVERIFY(InDialog<QRadioButton>(dialog, "Option3")->isChecked());
    QVERIFY(!typedFrame->isEnabled());

    SetBusyControls(ui.program(), kExtractionActivity, false);
    QVERIFY(webExtract->isEnabled());
    QVERIFY(!stop->isEnabled());
  }

  void helpKeyWorksInsideTheDialog() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.window().ShowPage(kManualPage);
    LinkDialogWindow* dialog = OpenLinkDialog(ui);
    QApplication::setActiveWindow(dialog);
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QTest::keyClick(InDialog<QLineEdit>(dialog, "WebAddress"), Qt::Key_F1);
    QVERIFY(ui.window().Help()->isVisible());
    QVERIFY(ui.window().Help()->ShownPage().toString().endsWith(QStringLiteral("topic190.htm")));
  }

  void fileExtractionNeedsAnExistingFile() {
    UiProgram ui;
    QVERIFY(ui.Start());
    LinkDialogWindow* dialog = OpenLinkDialog(ui);
    QTest::mouseClick(InDialog<QRadioButton>(dialog, "Option2"), Qt::LeftButton);
    QTest::keyClicks(InDialog<QLineEdit>(dialog, "LinkFilePath"), "/no/such/page.htm");
    QTest::mouseClick(InDialog<QPushButton>(dialog, "ExtractFromFile"), Qt::LeftButton);
    QCOMPARE(ui.test.dialogs.messages.back().text,
             std::string("Choose the HTML file for the Link extraction."));
    QVERIFY(!ui.program().deepPromotion.extraction.pending);
  }

  void batchStopStaysUsableWhileTheListIsHeld() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* run = ui.Find<QPushButton>("Command10");
    auto* stop = ui.Find<QPushButton>("Command11");
    QCOMPARE(run->text(), QStringLiteral("&Run Session Batch"));
    QVERIFY(run->isEnabled());
    QVERIFY(!stop->isEnabled());

    SetBusyControls(ui.program(), kBatchActivity, true);
    QVERIFY(!ui.Find<QGroupBox>("FrameBatch")->isEnabled());
    QVERIFY(!run->isEnabled());
    QVERIFY(stop->isEnabled());
    SetBusyControls(ui.program(), kBatchActivity, false);
    QVERIFY(run->isEnabled());
    QVERIFY(!stop->isEnabled());
  }

  void emptyBatchReportsOnTheStatusLine() {
    UiProgram ui;
    QVERIFY(ui.Start());
    QCOMPARE(ui.Find<QLabel>("Label13")->text(), QStringLiteral("Inactive"));
    QTest::mouseClick(ui.Find<QPushButton>("Command10"), Qt::LeftButton);
    QCOMPARE(ui.Find<QLabel>("Label13")->text(),
             QStringLiteral("Batch completed. Total Sessions - 0"));
  }
};

QTEST_MAIN(SideTabsTest)
#include "side_tabs_test.moc"
