#include <filesystem>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

#include "app/qt_dialogs.h"
#include "reports/report_page.h"
#include "reports/report_state.h"
#include "session/session_state.h"
#include "submission/run_state.h"
#include "support/session_file_builder.h"
#include "ui/browser/headless_environment.h"
#include "ui/main/local_page_view.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace fs = std::filesystem;

namespace {

// Names as a Linux desktop writes them: UTF-8 bytes.
constexpr char kFolder[] = "J\xC3\xBCrgen";
constexpr char kSession[] = "Caf\xC3\xA9.ses";

QString Shown(const std::string& utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A session whose queue holds the engine that thanks for every submission.
std::string WriteQueuedSession(const fs::path& path) {
  SessionFileContent content;
  content.profile[1] = "http://caf.example";
  content.profile[2] = "Caf\xE9 Site";
  content.engines = UnsubmittedEngines({kAlpha});
  content.queue = {kAlpha};
  fs::create_directories(path.parent_path());
  WriteFileBytes(path, SessionFileBytes(content));
  return path.string();
}

QString PageText(QWebEnginePage* page) {
  QString text;
  bool done = false;
  page->toPlainText([&](const QString& plain) {
    text = plain;
    done = true;
  });
  // Unanswered, the text stays empty and the caller's check fails.
  static_cast<void>(QTest::qWaitFor([&] { return done; }, 20000));
  return text;
}

}  // namespace

class FileNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void sessionUnderAccentedNamesGoesThroughEveryCommand() {
    UiProgram ui;
    const fs::path folder = fs::path(ui.SessionsPath(kFolder));
    const std::string path = WriteQueuedSession(folder / kSession);
    ui.test.settings.Set("Initialization", "Session", path);

    QVERIFY(ui.Start());
    QVERIFY(ui.test.dialogs.messages.empty());
    QCOMPARE(ui.window().windowTitle(), QStringLiteral("Zentrova - ") + Shown(path));
    QCOMPARE(ui.Find<QLineEdit>("vartext_2")->text(), QString::fromUtf8("Café Site"));

    const std::string savedAs = (folder / "Caf\xC3\xA9 Z\xC3\xBCrich.ses").string();
    ui.Type("vartext_2", QStringLiteral("!"));
    ui.test.dialogs.saveAnswers.push_back((folder / "Caf\xC3\xA9 Z\xC3\xBCrich").string());
    ui.Action("m_saveas")->trigger();
    QVERIFY(fs::is_regular_file(savedAs));
    QCOMPARE(ui.test.settings.Get("Initialization", "Session"), savedAs);
    QCOMPARE(ui.window().windowTitle(), QStringLiteral("Zentrova - ") + Shown(savedAs));

    ui.test.dialogs.openAnswers.push_back(path);
    ui.Action("m_open")->trigger();
    QVERIFY(ui.test.dialogs.messages.empty());
    QCOMPARE(ui.window().windowTitle(), QStringLiteral("Zentrova - ") + Shown(path));
    QCOMPARE(ui.Find<QLineEdit>("vartext_2")->text(), QString::fromUtf8("Café Site"));

    const std::string exported = (folder / "Caf\xC3\xA9.txt").string();
    ui.test.dialogs.saveAnswers.push_back(exported);
    ui.Action("export")->trigger();
    QVERIFY(ReadFileBytes(exported).find("http://caf.example\r\n") != std::string::npos);

    ui.test.dialogs.openAnswers.push_back(savedAs);
    QTest::mouseClick(ui.Find<QAbstractButton>("Command28"), Qt::LeftButton);
    QCOMPARE(ui.Find<QListWidget>("List6")->item(0)->text(), Shown(savedAs));
    ui.test.dialogs.answers.push_back(MessageAnswer::Yes);
    QTest::mouseClick(ui.Find<QPushButton>("Command10"), Qt::LeftButton);
    QCOMPARE(ui.Find<QLabel>("Label13")->text(),
             QStringLiteral("Processing Session 1 of 1 - ") + Shown(savedAs));
    for (int reply = 0; reply < 4 && ui.program().run.browserTask == kAwaitingReply; ++reply) {
      ui.test.browser.CompleteNavigation("http://alpha.example/thanks", "Thank you");
    }
    QCOMPARE(ui.Find<QLabel>("Label13")->text(),
             QStringLiteral("Batch completed. Total Sessions - 1"));
    QCOMPARE(ui.test.dialogs.messages.size(), size_t{1});

    ShowReport(ui.program(), kSummaryReport);
    auto* view = ui.Find<LocalPageView>("IE4Report");
    const std::string report = ui.program().folders.LogFolder() + "Caf\xC3\xA9 Z\xC3\xBCrich.htm";
    QCOMPARE(view->ShownFile(), report);
    QVERIFY(fs::is_regular_file(report));
    QTRY_COMPARE_WITH_TIMEOUT(view->url(), QUrl::fromLocalFile(Shown(report)), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(PageText(view->page()).contains(QStringLiteral("Summary Report")),
                             20000);
    QVERIFY(PageText(view->page()).contains(QString::fromUtf8("Café Site!")));
  }

  void metaGeneratorReadsAndWritesBesideAnAccentedPage() {
    UiProgram ui;
    QVERIFY(ui.Start());
    const fs::path folder = ui.test.root / kFolder;
    fs::create_directories(folder);
    const fs::path source = folder / "M\xC3\xBCller Seite.html";
    WriteFileBytes(source, "<html><head><title>Old</title></head><body>x</body>");
    ui.test.dialogs.openAnswers.push_back(source.string());
    ui.window().ShowPage(kMetaPage);

    QTest::mouseClick(ui.Find<QPushButton>("BrowseMetaSource"), Qt::LeftButton);
    QCOMPARE(ui.Find<QLineEdit>("vartext_99")->text(), Shown(source.string()));
    QTest::mouseClick(ui.Find<QPushButton>("GenerateMetaTags"), Qt::LeftButton);

    QCOMPARE(ui.test.dialogs.messages.back().text, std::string("New file was generated"));
    QVERIFY(ReadFileBytes(folder / "m\xC3\xBCllers1.htm").find("<title>") != std::string::npos);
  }

  // The platform's own dialog: what it is given and what it hands back are the file system's
  // bytes, whatever the session's code page can hold.
  void fileDialogTakesAndGivesTheFileSystemsBytes() {
    QTemporaryDir root;
    const std::string folder = (fs::path(root.path().toStdString()) / kFolder).string();
    fs::create_directories(folder);
    QtDialogs dialogs([]() -> QWidget* { return nullptr; });
    FileDialogRequest request;
    request.types = {{"Session files (*.ses)", "*.ses"}};
    request.startFolder = folder;
    request.fileName = "Caf\xC3\xA9 \xE2\x98\x95.ses";
    QString shownFolder;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      shownFolder = dialog->directory().absolutePath();
      QMetaObject::invokeMethod(dialog, "accept");
    });

    const std::string chosen = dialogs.AskSaveFileName(request);

    QCOMPARE(shownFolder, Shown(folder));
    QCOMPARE(chosen, folder + "/Caf\xC3\xA9 \xE2\x98\x95.ses");
  }
};

int main(int argc, char* argv[]) {
  PrepareHeadlessWebEngine();
  QApplication app(argc, argv);
  FileNamesTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "file_names_test.moc"
