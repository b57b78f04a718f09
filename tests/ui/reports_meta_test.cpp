#include <filesystem>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <QWebEngineScript>

#include "app/qt_dialogs.h"
#include "reports/report_page.h"
#include "reports/summary_report.h"
#include "session/session_model.h"
#include "ui/browser/headless_environment.h"
#include "ui/main/local_page_view.h"
#include "ui/main/reports_page.h"
#include "ui/main/status_list_view.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace {

QAction* MenuItem(QMenu* menu, const char* caption) {
  for (QAction* action : menu->actions()) {
    if (action->text() == QString::fromLatin1(caption)) {
      return action;
    }
  }
  return nullptr;
}

// The Reports page of a started program whose session holds results.
struct ReportsUi {
  ReportsUi() {
    ok = ui.Start();
    page = static_cast<ReportsPage*>(ui.window().Page(kReportsPage));
    ui.window().ShowPage(kReportsPage);
  }
  void SetResult(const char* engine, ResultCode result) {
    Program& program = ui.program();
    for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
      if (program.database.Engine(slot).name == engine) {
        program.database.Engine(slot).RegistrationStatus() = result;
      }
    }
  }
  void SetOneSuccessAndOneFailure() {
    SetResult(kAlpha, kSuccessful);
    SetResult(kBeta, kFailed);
  }
  // As the user does: the menu opens, the item runs, the menu closes.
  void Choose(const char* reportItem) const {
    QMenu* menu = page->ReportMenu();
    menu->popup(page->mapToGlobal(QPoint(0, 0)));
    MenuItem(menu, reportItem)->trigger();
    menu->hide();
    QCoreApplication::processEvents();
  }
  QStringList CheckedItems() const {
    QStringList checked;
    for (QAction* action : page->ReportMenu()->actions()) {
      if (action->isChecked()) {
        checked << action->text();
      }
    }
    return checked;
  }
  QStringList Rows() const {
    QStringList rows;
    auto* list = ui.Find<StatusListView>("List3");
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      rows << list->topLevelItem(row)->text(0) + QLatin1Char('\t') +
                  list->topLevelItem(row)->text(1);
    }
    return rows;
  }
  QString Caption() const { return ui.Find<QGroupBox>("ReportFrame")->title(); }
  QPushButton* Button(const char* name) const { return ui.Find<QPushButton>(name); }
  std::string Shown() const { return ui.Find<LocalPageView>("IE4Report")->ShownFile(); }
  std::string Log(const std::string& name) { return ui.program().folders.LogFolder() + name; }

  UiProgram ui;
  ReportsPage* page = nullptr;
  bool ok = false;
};

}  // namespace

class ReportsMetaTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithNoReport() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    QCOMPARE(reports.Caption(), QStringLiteral("No Report"));
    QVERIFY(reports.Rows().isEmpty());
    QCOMPARE(reports.CheckedItems(), QStringList{QStringLiteral("&No Report")});
    QVERIFY(!reports.Button("SaveSummaryReport")->isEnabled());
    QVERIFY(!reports.Button("GoToSearchEngine")->isEnabled());
    QCOMPARE(reports.Shown(), reports.Log("noreport.htm"));
    QVERIFY(ReadFileBytes(reports.Log("noreport.htm")).find("Select Report Type") !=
            std::string::npos);

    QStringList menu;
    for (QAction* action : reports.page->ReportMenu()->actions()) {
      menu << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(menu, (QStringList{"&Summary Report", "-", "&Successful Registration Only",
                                "&Failed Registration Only", "-", "&No Report"}));
    QStringList save;
    for (QAction* action : reports.page->SaveMenu()->actions()) {
      save << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    QCOMPARE(save, (QStringList{"Save as &Text", "Save as &HTML", "-", "Copy To &Clipboard"}));
  }

  void newSessionLeavesTheStatusListEmpty() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.Choose("&Summary Report");
    reports.ui.Find<StatusListView>("List3")->SetCurrentRow(
        reports.Rows().indexOf("Alpha Search\t(Not Reg)"));
    QVERIFY(reports.Button("GoToSearchEngine")->isEnabled());

    reports.ui.Action("m_new")->trigger();

    QCOMPARE(reports.Caption(), QStringLiteral("No Report"));
    QVERIFY(reports.Rows().isEmpty());
    QVERIFY(!reports.Button("GoToSearchEngine")->isEnabled());
    QCOMPARE(reports.Shown(), reports.Log("noreport.htm"));
  }

  void eachReportTypeFillsThePage_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<QString>("shownFile");
    QTest::newRow("summary") << "&Summary Report"
                             << "All Search Engines"
                             << QStringList{"*Gamma News\t(Not Reg)", "Alpha Search\t(Success)",
                                            "Beta Directory\t(Failed)", "Delta Links\t(Not Reg)"}
                             << true << "New Session.htm";
    QTest::newRow("successful") << "&Successful Registration Only"
                                << "Successful Registrations"
                                << QStringList{"Alpha Search\t(Success)"} << true << "current.htm";
    QTest::newRow("failed") << "&Failed Registration Only"
                            << "Failed Registrations" << QStringList{"Beta Directory\t(Failed)"}
                            << true << "current.htm";
    QTest::newRow("none") << "&No Report"
                          << "No Report" << QStringList{} << false << "noreport.htm";
  }

  void eachReportTypeFillsThePage() {
    QFETCH(QString, item);
    QFETCH(QString, caption);
    QFETCH(QStringList, rows);
    QFETCH(bool, saveEnabled);
    QFETCH(QString, shownFile);
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.SetOneSuccessAndOneFailure();

    reports.Choose(item.toLatin1().constData());

    QCOMPARE(reports.Caption(), caption);
    QCOMPARE(reports.Rows(), rows);
    QCOMPARE(reports.CheckedItems(), QStringList{item});
    QCOMPARE(reports.Button("SaveSummaryReport")->isEnabled(), saveEnabled);
    QCOMPARE(reports.Shown(), reports.Log(shownFile.toStdString()));
  }

  void statusTagsLineUpAfterTheWidestName_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("program's font") << QString() << 0;
    QTest::newRow("large") << QString() << 22;
    QTest::newRow("fixed pitch") << QStringLiteral("monospace") << 11;
  }

  void statusTagsLineUpAfterTheWidestName() {
    QFETCH(QString, family);
    QFETCH(int, pointSize);
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.SetOneSuccessAndOneFailure();
    reports.Choose("&Summary Report");
    auto* list = reports.ui.Find<StatusListView>("List3");
    QFont font = list->font();
    if (!family.isEmpty()) {
      font.setFamily(family);
    }
    if (pointSize > 0) {
      font.setPointSize(pointSize);
    }
    list->setFont(font);
    QCoreApplication::processEvents();

    const QFontMetrics metrics(list->font());
    QAbstractItemModel* rows = list->model();
    QCOMPARE(rows->rowCount(), 4);
    const int tagColumn = list->visualRect(rows->index(0, 1)).left();
    for (int row = 0; row < rows->rowCount(); ++row) {
      const QModelIndex name = rows->index(row, 0);
      QCOMPARE(list->visualRect(rows->index(row, 1)).left(), tagColumn);
      QVERIFY2(list->visualRect(name).width() > metrics.horizontalAdvance(name.data().toString()),
               qPrintable(name.data().toString()));
    }
  }

  void clickOnTheCurrentStatusRowShowsItsLogPage() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.SetResult(kAlpha, kSuccessful);
    reports.Choose("&Summary Report");
    auto* list = reports.ui.Find<StatusListView>("List3");
    QCOMPARE(list->CurrentRow(), 0);
    QCOMPARE(reports.Shown(), reports.Log("New Session.htm"));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(0)).center());

    QCOMPARE(reports.Shown(), reports.Log("current.htm"));
  }

  void eraseAsksAndKeepsEverythingOnNo() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.SetResult(kAlpha, kSuccessful);
    reports.Choose("&Successful Registration Only");
    reports.ui.test.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};

    QTest::mouseClick(reports.Button("EraseRegistrationData"), Qt::LeftButton);
    QCOMPARE(reports.Rows(), QStringList{"Alpha Search\t(Success)"});

    QTest::mouseClick(reports.Button("EraseRegistrationData"), Qt::LeftButton);
    QVERIFY(reports.Rows().isEmpty());
    QCOMPARE(reports.ui.test.dialogs.messages.size(), 2u);
    QCOMPARE(reports.ui.program().engineLists.status.successful, std::string("0"));
    QCOMPARE(reports.CheckedItems(), QStringList{"&Successful Registration Only"});
  }

  void goToEngineNeedsAHomeAddress() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.Choose("&Summary Report");
    auto* list = reports.ui.Find<StatusListView>("List3");
    QPushButton* goTo = reports.Button("GoToSearchEngine");

    list->SetCurrentRow(reports.Rows().indexOf("Beta Directory\t(Not Reg)"));
    QVERIFY(!goTo->isEnabled());
    QCOMPARE(reports.Shown(), reports.Log("current.htm"));

    list->SetCurrentRow(reports.Rows().indexOf("Alpha Search\t(Not Reg)"));
    QVERIFY(goTo->isEnabled());
    QTest::mouseClick(goTo, Qt::LeftButton);
    QCOMPARE(reports.ui.test.shell.opened, std::vector<std::string>{"http://alpha.example/"});

    reports.Choose("&No Report");
    QVERIFY(!goTo->isEnabled());
  }

  void clipboardGetsTheTextReport() {
    ReportsUi reports;
    QVERIFY(reports.ok);
    reports.SetResult(kAlpha, kSuccessful);
    reports.Choose("&Summary Report");

    MenuItem(reports.page->SaveMenu(), "Copy To &Clipboard")->trigger();

    const std::string text = BuildSummaryReport(reports.ui.program(), kTextReport);
    QCOMPARE(reports.ui.test.clipboard.text, text);
    QVERIFY(text.find("Alpha Search\r\nhttp://alpha.example/\r\n") != std::string::npos);
    // The view goes on showing the HTML report, from a file that still holds it.
    QCOMPARE(reports.Shown(), reports.Log("New Session.htm"));
    QCOMPARE(DeclaredPageText(ReadFileBytes(reports.Shown())),
             BuildSummaryReport(reports.ui.program(), kHtmlReport));
  }

  // A reply text or a profile value may hold markup: the view must neither run it nor let it
  // reach the network.
  void localPagesRunNoScriptAndFetchNothingRemote() {
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const std::string remote = "http://127.0.0.1:" + std::to_string(server.serverPort());
    TestProgram test;
    const std::string page = test.AppPath("LOG/page.htm");
    WriteFileBytes(page,
                   "<html><head><title>kept</title></head><body>"
                   "<script>document.title = 'ran';</script>"
                   "<img src=\"" +
                       remote +
                       "/image.gif\">"
                       "<iframe src=\"" +
                       remote +
                       "/frame.htm\"></iframe>"
                       "<link rel=stylesheet href=\"" +
                       remote +
                       "/style.css\">"
                       "</body></html>");
    LocalPageView view;
    view.resize(400, 300);
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);

    view.ShowFile(page);

    QVERIFY(loaded.wait(20000));
    QCOMPARE(loaded.first().first().toBool(), true);
    QCOMPARE(view.title(), QStringLiteral("kept"));
    QTest::qWait(200);
    QVERIFY(!server.hasPendingConnections());
  }

  // "More Details ..." is relative to LOG; a web address goes to the user's browser; the page
  // shown before a followed link comes back when it is shown again.
  void linksResolveInsideLogAndWebAddressesLeave() {
    TestProgram test;
    const std::string page = test.AppPath("LOG/current.htm");
    WriteFileBytes(page,
                   "<html><a id=details href=\"Alpha.htm\">More Details ...</a>"
                   "<a id=web href=\"http://alpha.example/\" target=\"_blank\">web</a></html>");
    WriteFileBytes(test.AppPath("LOG/Alpha.htm"), "<html><title>reply</title>Error</html>");
    LocalPageView view;
    view.show();
    QSignalSpy loaded(&view, &QWebEngineView::loadFinished);
    QSignalSpy external(&view, &LocalPageView::ExternalLinkClicked);
    view.ShowFile(page);
    QVERIFY(loaded.wait(20000));

    view.page()->runJavaScript(QStringLiteral("document.getElementById('web').click()"),
                               QWebEngineScript::ApplicationWorld);
    QTRY_COMPARE_WITH_TIMEOUT(external.count(), 1, 20000);
    QCOMPARE(external.first().first().toUrl(), QUrl(QStringLiteral("http://alpha.example/")));

    view.page()->runJavaScript(QStringLiteral("document.getElementById('details').click()"),
                               QWebEngineScript::ApplicationWorld);
    QTRY_COMPARE_WITH_TIMEOUT(view.title(), QStringLiteral("reply"), 20000);
    QCOMPARE(view.url(),
             QUrl::fromLocalFile(QString::fromStdString(test.AppPath("LOG/Alpha.htm"))));

    view.ShowFile(page);
    QTRY_COMPARE_WITH_TIMEOUT(view.url(), QUrl::fromLocalFile(QString::fromStdString(page)), 20000);
  }

  void metaPageBrowsesAndGenerates() {
    UiProgram ui;
    QVERIFY(ui.Start());
    const std::filesystem::path folder = ui.test.root / "site";
    std::filesystem::create_directories(folder);
    WriteFileBytes(folder / "Index.html", "<html><head><title>Old</title></head><body>x</body>");
    ui.test.dialogs.openAnswers.push_back((folder / "Index.html").string());
    ui.window().ShowPage(kMetaPage);

    QTest::mouseClick(ui.Find<QPushButton>("BrowseMetaSource"), Qt::LeftButton);
    QCOMPARE(ui.program().session.editor.boxText[kMetaNewFile], std::string("index1.htm"));
    SetBoxText(ui.program(), kMetaTitle, "New <Title>");
    QTest::mouseClick(ui.Find<QPushButton>("GenerateMetaTags"), Qt::LeftButton);

    QCOMPARE(ui.test.dialogs.messages.back().text, std::string("New file was generated"));
    const std::string written = ReadFileBytes(folder / "index1.htm");
    QVERIFY(written.find("<title>New <Title></title>\r\n") != std::string::npos);
  }
  // The META generator's "No <HEAD> tag" once showed as "No": a message is never markup.
  void messageBoxesShowTheirTextWhole() {
    QtDialogs dialogs([] { return nullptr; });
    QString shownText;
    Qt::TextFormat shownFormat = Qt::AutoText;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box != nullptr);
      shownText = box->text();
      shownFormat = box->textFormat();
      box->button(QMessageBox::Ok)->click();
    });
    const MessageAnswer answer = dialogs.ShowMessage("No <HEAD> tag", MessageButtons::Ok,
                                                     MessageIcon::Exclamation, "META <b>x</b>");
    QCOMPARE(answer, MessageAnswer::Ok);
    QCOMPARE(shownText, QStringLiteral("No <HEAD> tag"));
    QCOMPARE(shownFormat, Qt::PlainText);
  }
};

int main(int argc, char* argv[]) {
  PrepareHeadlessWebEngine();
  QApplication app(argc, argv);
  ReportsMetaTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "reports_meta_test.moc"
