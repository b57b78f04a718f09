#include <filesystem>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui_fixture.h"

using namespace zentrova;
using namespace zentrova::testing;

namespace fs = std::filesystem;

namespace {

constexpr char kSavePrompt[] = "Do you want to save current session?";

// A started program whose session has an unsaved title.
std::unique_ptr<UiProgram> ChangedProgram() {
  auto ui = std::make_unique<UiProgram>();
  if (ui->Start()) {
    ui->Type("vartext_2", QStringLiteral("Unsaved Title"));
  }
  return ui;
}

}  // namespace

class SessionCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void savePromptGuardsNewSession_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("writesFile");
    QTest::newRow("Cancel keeps everything")
        << static_cast<int>(MessageAnswer::Cancel) << false << false;
    QTest::newRow("No drops the changes") << static_cast<int>(MessageAnswer::No) << true << false;
    QTest::newRow("Yes saves first") << static_cast<int>(MessageAnswer::Yes) << true << true;
  }
  void savePromptGuardsNewSession() {
    QFETCH(int, answer);
    QFETCH(bool, goesOn);
    QFETCH(bool, writesFile);
    auto ui = ChangedProgram();
    const std::string saved = ui->SessionsPath("kept.ses");
    ui->test.dialogs.answers.push_back(static_cast<MessageAnswer>(answer));
    ui->test.dialogs.saveAnswers.push_back(saved);

    ui->Action("m_new")->trigger();

    QCOMPARE(ui->test.dialogs.messages.at(0).text, std::string(kSavePrompt));
    QCOMPARE(ui->test.dialogs.messages.at(0).buttons, MessageButtons::YesNoCancel);
    QCOMPARE(ui->test.dialogs.messages.at(0).icon, MessageIcon::Question);
    QCOMPARE(fs::exists(saved), writesFile);
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(),
             goesOn ? QString() : QStringLiteral("Unsaved Title"));
    QCOMPARE(ui->program().session.saved, goesOn);
    QCOMPARE(ui->window().windowTitle(), QStringLiteral("Zentrova - New Session.ses"));
    QCOMPARE(ui->window().CurrentPage(),
             goesOn ? static_cast<int>(kProfilePage) : static_cast<int>(kStartPage));
  }

  void cancelBeforeOpenAsksForNoFile() {
    auto ui = ChangedProgram();
    ui->test.dialogs.answers.push_back(MessageAnswer::Cancel);

    QTest::mouseClick(ui->Find<QPushButton>("Command26"), Qt::LeftButton);

    QCOMPARE(ui->test.dialogs.messages.size(), size_t{1});
    QVERIFY(ui->test.dialogs.openRequests.empty());
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(), QStringLiteral("Unsaved Title"));
    QVERIFY(!ui->program().session.saved);
  }

  void openAfterNoReadsTheChosenSession() {
    auto ui = ChangedProgram();
    const std::string other = ui->SessionsPath("other.ses");
    ui->test.dialogs.saveAnswers.push_back(other);
    ui->Action("m_saveas")->trigger();
    ui->Type("vartext_2", QStringLiteral(" again"));
    ui->test.dialogs.answers.push_back(MessageAnswer::No);
    ui->test.dialogs.openAnswers.push_back(other);

    ui->Action("m_open")->trigger();

    QCOMPARE(ui->test.dialogs.openRequests.size(), size_t{1});
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(), QStringLiteral("Unsaved Title"));
    QCOMPARE(ui->window().windowTitle(), QString::fromStdString("Zentrova - " + other));
    QVERIFY(ui->program().session.saved);
  }

  void exitAsksToSaveAndCancelKeepsTheProgramRunning() {
    auto ui = ChangedProgram();
    ui->test.dialogs.answers.push_back(MessageAnswer::Cancel);

    QVERIFY(!ui->window().close());

    QVERIFY(ui->window().isVisible());
    QCOMPARE(ui->test.exitCount, 0);
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(), QStringLiteral("Unsaved Title"));
    QVERIFY(fs::exists(ui->test.root / "app" / "SESSIONS" / "manual.htm"));
  }

  void exitAfterTheSavePromptKeepsTheBatchListAndRemovesTheManualPage() {
    auto ui = ChangedProgram();
    ui->test.dialogs.answers.push_back(MessageAnswer::No);

    ui->Action("exit")->trigger();

    QCOMPARE(ui->test.dialogs.messages.at(0).text, std::string(kSavePrompt));
    QCOMPARE(ui->test.exitCount, 1);
    QVERIFY(!ui->window().isVisible());
    QVERIFY(fs::exists(ui->test.root / "app" / "batch.lst"));
    QVERIFY(!fs::exists(ui->test.root / "app" / "SESSIONS" / "manual.htm"));
  }

  void failedSaveLeavesTheSessionUnsavedAndExitAsksAgain() {
    auto ui = ChangedProgram();
    const std::string unwritable = ui->SessionsPath("gone/site.ses");
    ui->test.dialogs.saveAnswers.push_back(unwritable);
    const QString caption = ui->window().windowTitle();

    ui->Action("m_saveas")->trigger();

    QCOMPARE(ui->test.dialogs.messages.size(), size_t{1});
    QCOMPARE(ui->test.dialogs.messages[0].text,
             "Cannot write the file " + unwritable + ": No such file or directory");
    QVERIFY(!ui->program().session.saved);
    QCOMPARE(ui->window().windowTitle(), caption);

    // Yes at the exit prompt tries Save As again; a failed write keeps the program running.
    ui->test.dialogs.answers.push_back(MessageAnswer::Yes);
    ui->test.dialogs.saveAnswers.push_back(unwritable);
    QVERIFY(!ui->window().close());
    QCOMPARE(ui->test.dialogs.messages.at(1).text, std::string(kSavePrompt));
    QCOMPARE(ui->test.dialogs.messages.size(), size_t{3});
    QVERIFY(ui->window().isVisible());
    QCOMPARE(ui->test.exitCount, 0);
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(), QStringLiteral("Unsaved Title"));

    // And asks again on the next try.
    ui->test.dialogs.answers.push_back(MessageAnswer::Cancel);
    QVERIFY(!ui->window().close());
    QCOMPARE(ui->test.dialogs.messages.at(3).text, std::string(kSavePrompt));
  }

  void failedOpenLeavesTheWindowAsItWas() {
    auto ui = ChangedProgram();
    const QString caption = ui->window().windowTitle();
    const std::string notes = ui->SessionsPath("notes.txt");
    WriteFileBytes(notes, "a note, not a session");
    ui->test.dialogs.answers.push_back(MessageAnswer::No);
    ui->test.dialogs.openAnswers.push_back(notes);

    ui->Action("m_open")->trigger();

    QCOMPARE(ui->test.dialogs.messages.size(), size_t{2});
    QCOMPARE(ui->test.dialogs.messages[1].text, std::string("Cannot recognize Session file"));
    QCOMPARE(ui->Find<QLineEdit>("vartext_2")->text(), QStringLiteral("Unsaved Title"));
    QCOMPARE(ui->window().windowTitle(), caption);
    QVERIFY(!ui->program().session.saved);
    QCOMPARE(ui->test.settings.Get("Initialization", "Session"), std::string("New Session.ses"));
    QCOMPARE(ReadFileBytes(notes), std::string("a note, not a session"));
  }

  void exitOfASavedSessionAsksNothing() {
    UiProgram ui;
    QVERIFY(ui.Start());

    QVERIFY(ui.window().close());

    QVERIFY(ui.test.dialogs.messages.empty());
    QCOMPARE(ui.test.exitCount, 1);
  }

  void saveOfANeverSavedSessionGoesToSaveAs() {
    auto ui = ChangedProgram();
    const std::string path = ui->SessionsPath("first.ses");
    ui->test.dialogs.saveAnswers.push_back(path);

    QTest::mouseClick(ui->Find<QPushButton>("Command32"), Qt::LeftButton);

    QCOMPARE(ui->test.dialogs.saveRequests.size(), size_t{1});
    QCOMPARE(ui->test.dialogs.saveRequests[0].fileName, std::string("New Session.ses"));
    QVERIFY(fs::exists(path));
    QCOMPARE(ui->window().windowTitle(), QString::fromStdString("Zentrova - " + path));
    QVERIFY(ui->program().session.saved);
  }

  void saveAsAsksBeforeReplacingAFile() {
    auto ui = ChangedProgram();
    const std::string path = ui->SessionsPath("taken.ses");
    WriteFileBytes(path, "older file");
    ui->test.dialogs.saveAnswers = {path, path};
    ui->test.dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};

    ui->Action("m_saveas")->trigger();

    QCOMPARE(ui->test.dialogs.messages.size(), size_t{2});
    const ShownMessage& question = ui->test.dialogs.messages[0];
    QCOMPARE(question.title, std::string("Save As"));
    QCOMPARE(question.text, path + "\nThis file already exist.\n\nReplace existing file?");
    QCOMPARE(question.buttons, MessageButtons::YesNo);
    QCOMPARE(question.icon, MessageIcon::Exclamation);
    // "No" asks again, with the refused name proposed.
    QCOMPARE(ui->test.dialogs.saveRequests.size(), size_t{2});
    QCOMPARE(ui->test.dialogs.saveRequests[1].fileName, path);
    QVERIFY(ReadFileBytes(path) != "older file");
    QVERIFY(ui->program().session.saved);
  }

  void exportLeavesCaptionAndSavedStateAlone() {
    auto ui = ChangedProgram();
    const std::string path = ui->SessionsPath("export.txt");
    ui->test.dialogs.saveAnswers.push_back(path);

    ui->Action("export")->trigger();

    QCOMPARE(ui->test.dialogs.saveRequests.at(0).fileName, std::string("New Session.txt"));
    QVERIFY(ReadFileBytes(path).find("Unsaved Title\r\n") != std::string::npos);
    QCOMPARE(ui->window().windowTitle(), QStringLiteral("Zentrova - New Session.ses"));
    QVERIFY(!ui->program().session.saved);
  }
};

QTEST_MAIN(SessionCommandsTest)
#include "session_commands_test.moc"
