#include "ui_fixture.h"

#include <filesystem>

#include <QAction>
#include <QTest>

#include "engines/database_loader.h"
#include "engines/database_records.h"
#include "text/string_table.h"

namespace zentrova::testing {

namespace {

// Two engines with categories, a new engine, and one for special sites only.
const std::vector<std::string> kDatabaseRecords = {
    "1url,%001",
    "2Alpha Search,Thank you,FFhttp://alpha.example/add,GShttp://alpha.example/",
    "3Alpha Search,140",
    "4arts[]Arts and Culture",
    "4biz[]Business",
    "4comp[]Computers",
    "2Beta Directory,Thanks,FFhttp://beta.example/add,PD",
    "3Beta Directory,141",
    "4shop[]Shopping",
    "4tech[]Computers and Technology",
    "2*Gamma News,Done,FFhttp://gamma.example/add,PN",
    "2Delta Links,Added,FThttp://delta.example/add,PL",
    "5<html><body>manual</body></html>",
};

void WriteDataFolder(const Program& program) {
  for (const char* shipped : {"pictures", "help"}) {
    std::filesystem::copy(std::filesystem::path(ZENTROVA_SHIPPED_DATA) / shipped,
                          std::filesystem::path(program.folders.dataFolder) / shipped);
  }
  const DatabaseImage image = BuildDatabaseFile(kDatabaseRecords);
  WriteFileBytes(program.folders.dataFolder + kDatabaseFileName, image.bytes);
  std::map<int, std::string> stored;
  const std::map<int, std::string> texts = {{1000, "Test Distribution"},
                                            {1001, "Test contact"},
                                            {1002, "www.distributor.example"},
                                            {1003, "help.example"}};
  for (const auto& [id, text] : texts) {
    stored[id] = *ScrambleText(text);
  }
  WriteStringTableFile(program.folders.dataFolder + kStringTableFileName, stored);
}

}  // namespace

UiProgram::UiProgram() {
  WriteDataFolder(test.program);
  test.settings.values[{"Registration", "Dealer"}] = "a1";
  application = std::make_unique<Application>(test.program);
}

bool UiProgram::Start() {
  return application->Start();
}

QAction* UiProgram::Action(const char* name) const {
  return application->Window()->findChild<QAction*>(QString::fromLatin1(name));
}

// Key by key, with the typed text in each event, so that characters no key map knows
// arrive as they would from an input method.
void UiProgram::Type(const QString& box, const QString& text) const {
  QWidget* widget = Find<QWidget>(box);
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

}  // namespace zentrova::testing
