#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "deeppromo/deep_link_list.h"
#include "engines/engine_lists.h"
#include "ui/main/registration_page.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace {

RegistrationPage* Registration(UiProgram& ui) {
  return static_cast<RegistrationPage*>(ui.window().Page(kRegistrationPage));
}

QString Text(UiProgram& ui, const char* name) {
  const auto* label = ui.Find<QLabel>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<missing>");
}

QImage Lamp(UiProgram& ui, int step) {
  return ui.Find<QLabel>(QStringLiteral("Image1_%1").arg(step))->pixmap().toImage();
}

bool AllLampsLookAlike(UiProgram& ui) {
  for (int step = 1; step < 4; ++step) {
    if (Lamp(ui, step) != Lamp(ui, 0)) {
      return false;
    }
  }
  return true;
}

void Queue(UiProgram& ui, const char* engine) {
  const SortedList& list = ui.program().engineLists.engineList;
  for (int row = 0; row < list.Count(); ++row) {
    if (list.Row(row).text == engine) {
      ToggleEngineMark(ui.program(), row);
    }
  }
}

// The submission browser's side of the page: the service status page, then each reply.
void Answer(UiProgram& ui, const std::string& text) {
  ui.test.browser.CompleteNavigation("http://reply.example/", text);
}

}  // namespace

class RegistrationTest : public QObject {
  Q_OBJECT

 private slots:
  void countersStandUnderTheirTotalHeading() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.window().ShowPage(kRegistrationPage);
    const QLabel* heading = ui.Find<QLabel>("totalHeading");
    QVERIFY(heading != nullptr);
    QCOMPARE(heading->text(), QStringLiteral("Total"));
    QWidget* page = Registration(ui);
    const QRect headingBox(heading->mapTo(page, QPoint()), heading->size());
    int above = headingBox.bottom();
    for (const char* counter : {"engineCount", "successful", "failed", "ready"}) {
      const auto* value = ui.Find<QLabel>(QString::fromLatin1(counter));
      const QRect box(value->mapTo(page, QPoint()), value->size());
      QVERIFY2(box.top() > above, counter);
      QVERIFY2(qAbs(box.center().x() - headingBox.center().x()) <= 1, counter);
      above = box.bottom();
    }
    QCOMPARE(Text(ui, "engineCount"), QStringLiteral("4"));
  }

  void deepPromotionLinksCountTheListWhileNoRunIsGoing() {
    UiProgram ui;
    QVERIFY(ui.Start());
    QCOMPARE(Text(ui, "Label44"), QStringLiteral("0"));
    AddDeepLinks(ui.program(), {"http://my.example/a", "http://my.example/b"});
    QCOMPARE(Text(ui, "Label44"), QStringLiteral("2"));

    Queue(ui, kAlpha);
    QTest::mouseClick(Registration(ui)->RunButton(), Qt::LeftButton);
    Answer(ui, "no news from the service");
    // During the run the label counts the engine's deep links, and deep promotion is off.
    QCOMPARE(Text(ui, "Label44"), QStringLiteral("0"));
    Answer(ui, "Thank you");
    QCOMPARE(Text(ui, "Label44"), QStringLiteral("2"));

    RemoveAllDeepLinks(ui.program());
    QCOMPARE(Text(ui, "Label44"), QStringLiteral("0"));
  }

  void aFinishedRunSaysSoWithItsCountsAndPutsTheLampsOut() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.window().ShowPage(kRegistrationPage);
    Queue(ui, kAlpha);
    Queue(ui, kBeta);
    QTest::mouseClick(Registration(ui)->RunButton(), Qt::LeftButton);
    QCOMPARE(Text(ui, "Label20"), QStringLiteral("Checking service status..."));

    Answer(ui, "no news from the service");
    QCOMPARE(Text(ui, "Label20"), QString::fromLatin1(kAlpha));
    QVERIFY(!AllLampsLookAlike(ui));
    Answer(ui, "Thank you");  // Alpha's success marker
    Answer(ui, "Error");      // Beta waits for "Thanks"

    QCOMPARE(Text(ui, "Label25"),
             QStringLiteral("Online Registration completed: 1 successful, 1 failed"));
    QVERIFY(AllLampsLookAlike(ui));
    QCOMPARE(Text(ui, "Label20"), QString());
    QCOMPARE(Text(ui, "successful"), QStringLiteral("1"));
    QCOMPARE(Text(ui, "failed"), QStringLiteral("1"));
    QCOMPARE(Text(ui, "ready"), QStringLiteral("0"));
  }

  void stopStopsTheClockWhereItStood() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.program().run.serviceChecked = true;
    Queue(ui, kAlpha);
    ui.test.clock.time = "10:20:30";
    QTest::mouseClick(Registration(ui)->RunButton(), Qt::LeftButton);
    ui.test.clock.time = "10:20:31";
    ui.test.clockTimer.Fire();
    QCOMPARE(Text(ui, "Label38"), QStringLiteral("10:20:31"));

    QTest::mouseClick(Registration(ui)->StopButton(), Qt::LeftButton);
    QVERIFY(!ui.test.clockTimer.enabled);
    ui.test.clock.time = "10:20:32";
    ui.test.clockTimer.Fire();
    QCOMPARE(Text(ui, "Label38"), QStringLiteral("10:20:31"));
    QCOMPARE(Text(ui, "Label37"), QStringLiteral("10:20:30"));
    QVERIFY(AllLampsLookAlike(ui));
    QCOMPARE(Text(ui, "Label25"),
             QStringLiteral("Online Registration stopped: 0 successful, 0 failed"));
  }
};

QTEST_MAIN(RegistrationTest)
#include "registration_test.moc"
