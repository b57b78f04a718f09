#include <filesystem>
#include <iostream>
#include <streambuf>

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "app/command_line.h"
#include "app/desktop_identity.h"
#include "session/session_file.h"
#include "ui/main/splash_window.h"
#include "ui/main/status_line.h"
#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace fs = std::filesystem;

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void firstStartMakesFoldersAndOpensNewSession() {
    UiProgram ui;
    fs::remove_all(ui.test.root / "app");

    QVERIFY(ui.Start());

    QVERIFY(fs::is_directory(ui.test.root / "app" / "LOG"));
    QVERIFY(fs::is_directory(ui.test.root / "app" / "SESSIONS"));
    QVERIFY(ui.window().isVisible());
    QCOMPARE(ui.window().windowTitle(), QStringLiteral("Zentrova - New Session.ses"));
    QCOMPARE(ui.window().CurrentPage(), static_cast<int>(kStartPage));
    QCOMPARE(ui.window().Status()->text(), QStringLiteral("Choose a function to start"));
    QCOMPARE(ui.Find<QLineEdit>("vartext_1")->text(), QStringLiteral("http://"));
    QVERIFY(ui.program().session.saved);
    QCOMPARE(ui.test.settings.Get("Registration", "Version"), std::string("1.0.0"));
    QCOMPARE(ui.Find<QLabel>("Label1_6")->text(),
             QStringLiteral("Distributed by Test Distribution"));
    QVERIFY(ui.test.dialogs.messages.empty());
    QVERIFY(!ui.application->Splash()->isVisible());
    const std::string news = ReadFileBytes(ui.test.root / "app" / "news.htm");
    QVERIFY(news.starts_with("<HTML><HEAD><BODY LINK=#0000ff VLINK=#800080 BGCOLOR=#c0c0c0>\r\n"));
    QVERIFY(
        news.ends_with("/admin/news.htm\"><BIG>Update\r\nLatest News</BIG></A></BODY></HTML>\r\n"));
  }

  void remembersTheLastSessionAcrossRuns() {
    std::string sessionFile;
    std::string sessionBytes;
    {
      UiProgram first;
      QVERIFY(first.Start());
      first.Type("vartext_2", "My Site");
      sessionFile = first.SessionsPath("site.ses");
      first.test.dialogs.saveAnswers.push_back(sessionFile);
      first.Action("m_saveas")->trigger();
      QCOMPARE(first.test.settings.Get("Initialization", "Session"), sessionFile);
      sessionBytes = ReadFileBytes(sessionFile);
    }
    UiProgram second;
    const std::string remembered = second.SessionsPath("site.ses");
    WriteFileBytes(remembered, sessionBytes);
    second.test.settings.Set("Initialization", "Session", remembered);

    QVERIFY(second.Start());

    QCOMPARE(second.window().windowTitle(), QString::fromStdString("Zentrova - " + remembered));
    QCOMPARE(second.Find<QLineEdit>("vartext_2")->text(), QStringLiteral("My Site"));
    QCOMPARE(second.window().CurrentPage(), static_cast<int>(kStartPage));
    QVERIFY(second.program().session.saved);
  }

  void rememberedFileThatIsNotASessionIsReportedAndStartUpGoesOn() {
    UiProgram ui;
    const std::string notes = ui.SessionsPath("notes.ses");
    WriteFileBytes(notes, "these are not the bytes of a session");
    ui.test.settings.Set("Initialization", "Session", notes);

    QVERIFY(ui.Start());

    QCOMPARE(ui.test.dialogs.messages.size(), size_t{1});
    QCOMPARE(ui.test.dialogs.messages[0].text, std::string("Cannot recognize Session file"));
    QCOMPARE(ui.test.dialogs.messages[0].buttons, MessageButtons::Ok);
    QVERIFY(ui.window().isVisible());
    QCOMPARE(ui.window().CurrentPage(), static_cast<int>(kStartPage));
    QVERIFY(ui.program().session.saved);
  }

  void distributorCodeOutsideTheListEndsBeforeTheWindowShows() {
    UiProgram ui;
    ui.test.settings.Set("Registration", "Dealer", "k4");

    QVERIFY(!ui.Start());

    QCOMPARE(ui.test.exitCount, 1);
    QCOMPARE(ui.test.dialogs.messages.size(), size_t{1});
    QCOMPARE(
        ui.test.dialogs.messages[0].text,
        std::string("Initialization data is corrupted. Please run complete installation again"));
    QVERIFY(!ui.window().isVisible());
  }

  void missingDatabaseEndsBeforeTheWindowShows() {
    UiProgram ui;
    fs::remove(ui.test.root / "data" / "kelvox.dll");

    QVERIFY(!ui.Start());

    QCOMPARE(ui.test.exitCount, 1);
    QVERIFY(!ui.window().isVisible());
  }

  // --help and --version answer without a window; one that cannot be printed (a full disk, a
  // closed pipe) must not pass for done.
  void anAnswerThatCannotBePrintedIsAFailure() {
    struct Refusing : std::streambuf {
      int_type overflow(int_type) override { return traits_type::eof(); }
    } refusing;
    std::streambuf* const kept = std::cout.rdbuf(&refusing);
    char program[] = "zentrova";
    char help[] = "--help";
    char version[] = "-v";
    char* withHelp[] = {program, help, nullptr};
    char* withVersion[] = {program, version, nullptr};
    const std::optional<int> helpCode = AnswerCommandLine(2, withHelp);
    std::cout.clear();
    const std::optional<int> versionCode = AnswerCommandLine(2, withVersion);
    std::cout.rdbuf(kept);
    std::cout.clear();
    QCOMPARE(helpCode, std::optional<int>(1));
    QCOMPARE(versionCode, std::optional<int>(1));
  }

  // The icon drawn at build time carries every window, and the desktop can match the windows
  // to the menu entry.
  void windowsCarryTheProgramsIconAndId() {
    SetDesktopIdentity(ZENTROVA_DATA_BUILD_DIR "/");
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.zentrova.Zentrova"));
    const QList<QSize> sizes = QGuiApplication::windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) {
      QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
    }
    UiProgram ui;
    QVERIFY(ui.Start());
    QVERIFY(!ui.window().windowIcon().isNull());
    QCOMPARE(ui.window().windowIcon().availableSizes(), sizes);
    QVERIFY(ProgramIcon("/nowhere/").isNull());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
