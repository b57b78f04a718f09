#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include "ui/main/category_screen.h"
#include "ui/main/keywords_page.h"
#include "ui/main/queue_page.h"
#include "ui/main/sorted_list_view.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace {

QueuePage* Queue(UiProgram& ui) {
  return static_cast<QueuePage*>(ui.window().Page(kQueuePage));
}

CategoryScreen* Categories(UiProgram& ui) {
  return static_cast<KeywordsPage*>(ui.window().Page(kKeywordsPage))->Categories();
}

QStringList MarkedRows(const QListWidget* list) {
  QStringList marked;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->checkState() == Qt::Checked) {
      marked << list->item(row)->text();
    }
  }
  return marked;
}

QStringList Rows(const QListWidget* list) {
  QStringList rows;
  for (int row = 0; row < list->count(); ++row) {
    rows << list->item(row)->text();
  }
  return rows;
}

// Presses "Select" or "Clear" and chooses an entry of the group menu.
void ChooseGroup(UiProgram& ui, const char* button, const QString& entry) {
  QTest::mouseClick(ui.Find<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
  QMenu* menu = Queue(ui)->GroupMenu();
  for (QAction* action : menu->actions()) {
    if (action->text() == entry) {
      action->trigger();
    }
  }
  menu->hide();
}

}  // namespace

class QueueTest : public QObject {
  Q_OBJECT

 private slots:
  void groupMenuListsTheGroupsInOrder() {
    UiProgram ui;
    QVERIFY(ui.Start());
    QStringList entries;
    for (QAction* action : Queue(ui)->GroupMenu()->actions()) {
      entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(entries, (QStringList{"All General", "New Engines", "Search Engines", "Directories",
                                   "News", "Link Listings", "-", "Not Registered Yet",
                                   "Failed Registration", "Already Registered"}));
  }

  void groupSelectionMarksRowsAndCountersFollow() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* list = Queue(ui)->EngineList();
    auto* selected = ui.Find<QLabel>("LabelSelected");
    QCOMPARE(Rows(list), (QStringList{kGamma, kAlpha, kBeta, kDelta}));
    QCOMPARE(selected->text(), QStringLiteral("Selected 0/4"));

    ChooseGroup(ui, "SelectGroup", QStringLiteral("Search Engines"));
    QCOMPARE(MarkedRows(list), QStringList{kAlpha});
    QCOMPARE(selected->text(), QStringLiteral("Selected 1/4"));
    QVERIFY(!ui.program().session.saved);

    QTest::mouseClick(ui.Find<QPushButton>("SelectAll"), Qt::LeftButton);
    QCOMPARE(MarkedRows(list), (QStringList{kGamma, kAlpha, kBeta}));
    QCOMPARE(selected->text(), QStringLiteral("Selected 3/4"));

    ChooseGroup(ui, "ClearGroup", QStringLiteral("All General"));
    QCOMPARE(MarkedRows(list), QStringList());
    QCOMPARE(selected->text(), QStringLiteral("Selected 0/4"));
  }

  void clickingARowTogglesItsMark() {
    UiProgram ui;
    QVERIFY(ui.Start());
    ui.window().ShowPage(kQueuePage);
    auto* list = Queue(ui)->EngineList();
    const QRect deltaRow = list->visualItemRect(list->item(3));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, deltaRow.center());
    QCOMPARE(MarkedRows(list), QStringList{kDelta});
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, deltaRow.center());
    QCOMPARE(MarkedRows(list), QStringList());
  }

  void showAndHideCategoriesDecorateTheRows() {
    UiProgram ui;
    QVERIFY(ui.Start());
    auto* list = Queue(ui)->EngineList();
    auto* toggle = ui.Find<QPushButton>("ShowCategories");
    QCOMPARE(toggle->text(), QStringLiteral("Show Categories"));
    QCOMPARE(toggle->toolTip(), QStringLiteral("Show Choosen Categories"));

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->text(), QStringLiteral("Hide Categories"));
    QCOMPARE(Rows(list), (QStringList{kGamma, QStringLiteral("Alpha Search\t[Arts and Culture]"),
                                      QStringLiteral("Beta Directory\t[Shopping]"), kDelta}));

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->text(), QStringLiteral("Show Categories"));
    QCOMPARE(Rows(list), (QStringList{kGamma, kAlpha, kBeta, kDelta}));
  }

  void categoryScreenShowsTheChosenEnginesCategories() {
    UiProgram ui;
    QVERIFY(ui.Start());
    CategoryScreen* screen = Categories(ui);
    QCOMPARE(Rows(screen->GroupList()), (QStringList{kAlpha, kBeta}));
    QCOMPARE(ui.Find<QLabel>("Label19")->text(), QStringLiteral("Category for Alpha Search"));

    screen->GroupList()->setCurrentRow(1);

    QCOMPARE(ui.Find<QLabel>("Label19")->text(), QStringLiteral("Category for Beta Directory"));
    QCOMPARE(Rows(screen->CategoryList()), (QStringList{"Computers and Technology", "Shopping"}));
    QCOMPARE(screen->CategoryList()->currentItem()->text(), QStringLiteral("Shopping"));
  }

  void keywordSetsEveryEnginesCategory() {
    UiProgram ui;
    QVERIFY(ui.Start());
    CategoryScreen* screen = Categories(ui);

    QTest::keyClicks(screen->KeywordBox(), QStringLiteral("  comp shops"));
    QTest::mouseClick(ui.Find<QPushButton>("SetAllCategories"), Qt::LeftButton);

    QCOMPARE(screen->KeywordBox()->text(), QStringLiteral("comp"));
    QCOMPARE(screen->CategoryList()->currentItem()->text(), QStringLiteral("Computers"));
    QVERIFY(!ui.program().session.saved);
    QTest::mouseClick(ui.Find<QPushButton>("ShowCategories"), Qt::LeftButton);
    QVERIFY(Rows(Queue(ui)->EngineList())
                .contains(QStringLiteral("Beta Directory\t[Computers and Technology]")));
  }
};

QTEST_MAIN(QueueTest)
#include "queue_test.moc"
