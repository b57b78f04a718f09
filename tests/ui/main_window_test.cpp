#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QToolTip>

#include "ui/main/about_box.h"
#include "ui/main/help_window.h"
#include "ui/main/page_frame.h"
#include "ui/main/status_line.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace {

void GiveFocus(QWidget* widget) {
  QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
  QCoreApplication::sendEvent(widget, &focus);
}

// Controls Qt draws as one piece: their own children may overlap by design.
bool DrawnAsOnePiece(const QWidget* widget) {
  return qobject_cast<const QAbstractScrollArea*>(widget) != nullptr ||
         qobject_cast<const QAbstractButton*>(widget) != nullptr ||
         qobject_cast<const QComboBox*>(widget) != nullptr ||
         qobject_cast<const QLineEdit*>(widget) != nullptr ||
         qobject_cast<const QTabBar*>(widget) != nullptr ||
         qobject_cast<const QLabel*>(widget) != nullptr ||
         QByteArray(widget->metaObject()->className()).startsWith("QWebEngine");
}

QString Describe(const QWidget* widget) {
  return QStringLiteral("%1 \"%2\" %3,%4 %5x%6")
      .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName())
      .arg(widget->x())
      .arg(widget->y())
      .arg(widget->width())
      .arg(widget->height());
}

// Every visible child of `parent` lies inside it, is at least its minimum size, and
// overlaps none of its visible siblings; the same for the children's children.
void FindLayoutFaults(const QWidget* parent, QStringList& faults) {
  if (const auto* tabs = qobject_cast<const QTabWidget*>(parent)) {
    const QSize allTabs = tabs->tabBar()->sizeHint();
    if (tabs->tabBar()->width() < allTabs.width() || tabs->tabBar()->height() < allTabs.height()) {
      faults << Describe(tabs) + QStringLiteral(" shows a part of its tabs only");
    }
    if (tabs->currentWidget() != nullptr) {
      FindLayoutFaults(tabs->currentWidget(), faults);
    }
    return;
  }
  if (DrawnAsOnePiece(parent)) {
    return;
  }
  QList<const QWidget*> shown;
  for (const QObject* object : parent->children()) {
    const auto* child = qobject_cast<const QWidget*>(object);
    if (child != nullptr && !child->isWindow() && child->isVisibleTo(parent)) {
      shown << child;
    }
  }
  for (qsizetype index = 0; index < shown.size(); ++index) {
    const QWidget* child = shown[index];
    if (!parent->rect().contains(child->geometry())) {
      faults << Describe(child) + QStringLiteral(" reaches out of ") + Describe(parent);
    }
    // A list or a multi-line box scrolls what it cannot show.
    const QSize least = child->minimumSizeHint();
    if (least.isValid() && qobject_cast<const QAbstractScrollArea*>(child) == nullptr &&
        (child->width() < least.width() || child->height() < least.height())) {
      faults << Describe(child) + QStringLiteral(" is under its least size %1x%2")
                                      .arg(least.width())
                                      .arg(least.height());
    }
    for (qsizetype other = index + 1; other < shown.size(); ++other) {
      if (child->geometry().intersects(shown[other]->geometry())) {
        faults << Describe(child) + QStringLiteral(" overlaps ") + Describe(shown[other]);
      }
    }
    FindLayoutFaults(child, faults);
  }
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void nextWalksThePagesAndReturnsToTheStart() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* next = ui.Find<QPushButton>("Command3");
    QCOMPARE(next->text(), QStringLiteral("Ne&xt >>"));

    QList<int> visited;
    for (int press = 0; press < 8; ++press) {
      QTest::mouseClick(next, Qt::LeftButton);
      visited << ui.window().CurrentPage();
    }

    QCOMPARE(visited, (QList<int>{6, 5, 4, 3, 2, 1, 0, 7}));
  }

  void atItsLeastSizeNoPageOverlapsOrCutsAControl() {
    UiProgram ui;
    QVERIFY(ui.Start());
    MainWindow& window = ui.window();
    QVERIFY(window.minimumSize().isValid());
    window.resize(1, 1);
    QCOMPARE(window.size(), window.minimumSize());
    QStringList faults;
    for (int page = kManualPage; page <= kStartPage; ++page) {
      window.ShowPage(page);
      QCoreApplication::processEvents();
      QStringList pageFaults;
      FindLayoutFaults(&window, pageFaults);
      for (const QString& fault : pageFaults) {
        faults << QStringLiteral("page %1: ").arg(page) + fault;
      }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
  }

  void tabsRunInStepOrderAndShowPictures() {
    UiProgram ui;
    QVERIFY(ui.Start());
    QTabWidget* tabs = ui.window().Tabs();
    QCOMPARE(tabs->count(), 8);
    for (int index = 0; index < tabs->count(); ++index) {
      QCOMPARE(tabs->widget(index), ui.window().Page(7 - index));
      QVERIFY(tabs->tabText(index).isEmpty());
    }
  }

  void fieldHintGivesWayToThePageHint() {
    UiProgram ui;
    QVERIFY(ui.Start());

    GiveFocus(ui.Find<QWidget>("vartext_1"));
    QCOMPARE(ui.window().Status()->text(),
             QStringLiteral("This must be a full URL including specific file name (/index.htm)"));

    ui.window().ShowPage(kQueuePage);
    QCOMPARE(ui.window().Status()->text(), QStringLiteral("Choose Search Engines for submission."));

    GiveFocus(ui.Find<QWidget>("vartext_28"));
    QCOMPARE(
        ui.window().Status()->text(),
        QStringLiteral("Enter single or two words phrases using most important keywords first"));
    GiveFocus(ui.Find<QWidget>("vartext_78"));
    QCOMPARE(ui.window().Status()->text(),
             QStringLiteral("Edit if desired then click on 'Generate' to update new file"));
  }

  void everyProfileBoxHasItsLimit_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("limit");
    QTest::newRow("address") << 1 << 100;
    QTest::newRow("title") << 2 << 100;
    QTest::newRow("e-mail") << 11 << 40;
    QTest::newRow("fax") << 35 << 40;
    QTest::newRow("keyword 6") << 31 << 200;
    QTest::newRow("IndexNow key") << 40 << 128;
    QTest::newRow("IndexNow key file") << 41 << 250;
  }
  void everyProfileBoxHasItsLimit() {
    QFETCH(int, slot);
    QFETCH(int, limit);
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* box = ui.Find<QLineEdit>(QStringLiteral("vartext_%1").arg(slot));
    QVERIFY(box);
    QCOMPARE(box->maxLength(), limit);
  }

  void typingMarksTheSessionChangedAndReachesTheEditingView() {
    UiProgram ui;
    QVERIFY(ui.Start());

    ui.Type("vartext_4", QStringLiteral("Caf\u00e9 M\u00fcller"));

    QVERIFY(!ui.program().session.saved);
    QCOMPARE(ui.program().session.editor.boxText[4], std::string("Caf\xe9 M\xfcller"));
  }

  void characterOutsideTheCodePageIsRefusedWhereItIsTyped() {
    UiProgram ui;
    QVERIFY(ui.Start());

    ui.Type("vartext_2", QStringLiteral("ab\u03a9c"));

    QCOMPARE(ui.Find<QLineEdit>("vartext_2")->text(), QStringLiteral("abc"));
    QCOMPARE(ui.program().session.editor.boxText[2], std::string("abc"));
    QVERIFY(ui.window().Status()->text().contains(QStringLiteral("cannot be kept")));
    // The refusal is shown beside the box itself, where the user looks while typing.
    QVERIFY(QToolTip::isVisible());
    QVERIFY(QToolTip::text().contains(QStringLiteral("cannot be kept")));

    ui.Type("vartext_2", QString::fromUtf8(" \xF0\x9F\x98\x80"
                                           "d"));
    QCOMPARE(ui.program().session.editor.boxText[2], std::string("abc d"));
  }

  void descriptionRefusesTextBeyondItsLimitAndOutsideTheCodePage() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* description = ui.Find<QPlainTextEdit>("vartext_12");

    description->setPlainText(QString(251, QLatin1Char('x')));
    QCOMPARE(description->toPlainText(), QString());
    description->setPlainText(QStringLiteral("first line\nsecond line"));
    QCOMPARE(ui.program().session.editor.boxText[12], std::string("first line\r\nsecond line"));
    description->setPlainText(QStringLiteral("\u4e2d"));
    QCOMPARE(description->toPlainText(), QStringLiteral("first line\nsecond line"));
  }

  void checkBoxesFollowTheSessionAndReportClicks() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* skip = ui.Find<QCheckBox>("Check3");
    auto* adult = ui.Find<QCheckBox>("Check4");
    QVERIFY(skip->isChecked());
    QVERIFY(!adult->isChecked());

    QTest::mouseClick(adult, Qt::LeftButton, {}, QPoint(4, adult->height() / 2));

    QCOMPARE(ui.program().session.editor.check4, static_cast<int>(kChecked));
    QVERIFY(!ui.program().session.saved);
  }

  void helpOpensTheTopicOfThePage() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.window().ShowPage(kKeywordsPage);
    QApplication::setActiveWindow(&ui.window());
    QVERIFY(QTest::qWaitForWindowActive(&ui.window()));

    QTest::keyClick(ui.Find<QWidget>("vartext_26"), Qt::Key_F1);

    QVERIFY(ui.window().Help()->isVisible());
    QVERIFY(
        ui.window().Help()->ShownPage().toString().endsWith(QStringLiteral("help/topic140.htm")));
    ui.Action("m_contents")->trigger();
    QVERIFY(ui.window().Help()->ShownPage().toString().endsWith(QStringLiteral("help/index.htm")));
  }

  void startPageAndAboutBoxShowTheVersion() {
    UiProgram ui;
    QVERIFY(ui.Start());
    const QString version = QStringLiteral("%1.%2.%3")
                                .arg(ZENTROVA_VERSION_MAJOR)
                                .arg(ZENTROVA_VERSION_MINOR)
                                .arg(ZENTROVA_VERSION_PATCH);
    QCOMPARE(ui.Find<QLabel>("Label39")->text(), QStringLiteral("V. ") + version);
    QCOMPARE(ui.Find<QLabel>("Label1_1")->text(), QStringLiteral("Zentrova"));

    ui.Action("m_about")->trigger();
    AboutBox* about = ui.window().About();
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Zentrova"));
    QCOMPARE(about->findChild<QLabel*>("Label4")->text(), QStringLiteral("Version ") + version);
    QTest::mouseClick(about->findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
  }

  void webButtonsOpenTheDistributorsPages() {
    UiProgram ui;
    QVERIFY(ui.Start());

    QTest::mouseClick(ui.Find<QPushButton>("Command24"), Qt::LeftButton);

    QCOMPARE(ui.test.shell.opened, std::vector<std::string>{"http://help.example"});
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
