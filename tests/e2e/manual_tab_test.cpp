#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWebEnginePage>
#include <memory>

#include "app/platform/windows1252.h"
#include "event_wait.h"
#include "fake_engine_server.h"
#include "manual/profile_paste.h"
#include "page_script.h"
#include "session/session_model.h"
#include "ui/browser/manual_browser_view.h"
#include "ui/main/manual_submission_tab.h"
#include "ui_fixture.h"

namespace zentrova::testing {
namespace {

constexpr char kFormPage[] =
    "<html><body><form><input id='i'><textarea id='t'></textarea>"
    "<select id='s'><option value='a'>A</option><option value='b'>B</option></select>"
    "</form></body></html>";

QString FileUrl(const std::string& path) {
  return QUrl::fromLocalFile(QString::fromStdString(path)).toString();
}

class ManualTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(ui.Start());
    tab = ui.Find<ManualSubmissionTab>("ManualSubmissionTab");
    ASSERT_NE(tab, nullptr);
    page = tab->Browser()->page();
  }

  QToolButton* Button(const char* name) const { return ui.Find<QToolButton>(name); }
  QString Url() const { return tab->Browser()->url().toString(); }
  // Shows a page as a clicked link would, and waits until it is there.
  void Open(const std::string& address) {
    LoadCounter loads(page);
    tab->Browser()->load(QUrl(QString::fromStdString(address)));
    ASSERT_TRUE(loads.WaitFor(1));
  }
  bool Click(const char* button, const QString& expectedUrl) {
    LoadCounter loads(page);
    Button(button)->click();
    return loads.WaitFor(1) && Url() == expectedUrl;
  }
  QString Field(const char* id) const {
    return RunPageScript(page, QStringLiteral("document.getElementById('%1').value").arg(id))
        .toString();
  }

  UiProgram ui;
  FakeEngineServer server;
  ManualSubmissionTab* tab = nullptr;
  QWebEnginePage* page = nullptr;
};

TEST_F(ManualTabTest, ShowsTheManualPageAndMovesHomeBackAndForward) {
  const QString manual = FileUrl(ui.SessionsPath("manual.htm"));
  ASSERT_TRUE(RunEventsUntil([&] { return Url() == manual; }, 20000));
  ASSERT_TRUE(RunEventsUntil(
      [&] { return RunPageScript(page, "document.body.innerText").toString() == "manual"; },
      20000));
  for (const char* name : {"ManualHome", "ManualBack", "ManualForward"}) {
    EXPECT_FALSE(Button(name)->icon().isNull()) << name;
    EXPECT_FALSE(Button(name)->toolTip().isEmpty()) << name;
  }

  server.pages["a"] = "<html><body>engine a</body></html>";
  server.pages["b"] = "<html><body>engine b</body></html>";
  const QString a = QString::fromStdString(server.Url("/pages/a"));
  const QString b = QString::fromStdString(server.Url("/pages/b"));
  Open(server.Url("/pages/a"));
  Open(server.Url("/pages/b"));
  EXPECT_TRUE(Click("ManualBack", a));
  EXPECT_TRUE(Click("ManualBack", manual));
  // Past either end of the history nothing happens and nothing is said.
  Button("ManualBack")->click();
  RunEventsUntil([] { return false; }, 300);
  EXPECT_EQ(Url(), manual);
  EXPECT_TRUE(Click("ManualForward", a));
  EXPECT_TRUE(Click("ManualForward", b));
  Button("ManualForward")->click();
  RunEventsUntil([] { return false; }, 300);
  EXPECT_EQ(Url(), b);
  EXPECT_TRUE(Click("ManualHome", manual));
  EXPECT_TRUE(ui.test.dialogs.messages.empty());
}

TEST_F(ManualTabTest, EveryProfileEntryPastesItsSlotIntoAFocusedInputOrTextArea) {
  Program& program = ui.program();
  ProfileEditor& boxes = program.session.editor;
  for (const ProfileMenuEntry& entry : kProfileMenuEntries) {
    boxes.boxText[entry.slot] = std::string(entry.caption) + " caf\xE9 \"'\\";
  }
  boxes.boxText[kFirstName] = "Ann";
  boxes.boxText[kLastName] = "Lee";
  boxes.boxText[kKeyword1] = "red shoes";
  boxes.boxText[kKeyword1 + 1] = "blue hats";
  CollectSession(program);
  // The menu pastes what the session holds, not what a box shows uncollected.
  boxes.boxText[kCity] = "Not yet collected";

  server.pages["form"] = kFormPage;
  Open(server.Url("/pages/form"));

  QStringList captions;
  for (QAction* action : tab->ProfileMenu()->actions()) {
    captions << action->text();
  }
  EXPECT_EQ(captions, (QStringList{"Web Page Address", "Web Page Title", "Web Page Description",
                                   "E-mail Address", "Keywords", "Company Name", "Person Name",
                                   "Street Address", "City", "State", "Zip Code", "Country",
                                   "Phone", "Fax"}));
  tab->PasteButton()->click();
  EXPECT_TRUE(tab->ProfileMenu()->isVisible());
  tab->ProfileMenu()->hide();

  ASSERT_EQ(tab->ProfileMenu()->actions().size(),
            static_cast<qsizetype>(kProfileMenuEntries.size()));
  for (size_t i = 0; i < kProfileMenuEntries.size(); ++i) {
    const ProfileMenuEntry& entry = kProfileMenuEntries[i];
    SCOPED_TRACE(entry.caption);
    const std::string value = program.session.profile[entry.slot];
    // The keyword text holds line breaks: a text field drops them, a text area keeps them
    // as bare line feeds, as it would keep typed ones.
    const QString text = DecodeWindows1252(value);
    const std::pair<const char*, QString> fields[] = {
        {"i", QString(text).remove('\r').remove('\n')}, {"t", QString(text).replace("\r\n", "\n")}};
    for (const auto& [field, expected] : fields) {
      RunPageScript(
          page,
          QStringLiteral("var e=document.getElementById('%1');e.value='';e.focus()").arg(field));
      ui.test.clipboard.text.clear();
      tab->ProfileMenu()->actions()[static_cast<qsizetype>(i)]->trigger();
      EXPECT_EQ(ui.test.clipboard.text, value);
      EXPECT_TRUE(RunEventsUntil([&] { return Field(field) == expected; }, 5000))
          << field << ": " << Field(field).toStdString();
    }
  }
  EXPECT_EQ(program.session.profile[kFullName], "Ann Lee");
  EXPECT_EQ(program.session.profile[kKeywordText].rfind("red shoes", 0), 0u);
  EXPECT_NE(program.session.profile[kKeywordText].find("blue hats"), std::string::npos);

  // A list keeps its choice; the value is on the clipboard for the user.
  RunPageScript(page,
                "document.getElementById('i').value='kept';"
                "document.getElementById('s').focus()");
  tab->PasteProfileEntry(kEmail);
  EXPECT_EQ(ui.test.clipboard.text, program.session.profile[kEmail]);
  RunEventsUntil([] { return false; }, 300);
  EXPECT_EQ(Field("s"), "a");
  EXPECT_EQ(Field("i"), "kept");
}

TEST(ManualTab, WithNoPageLoadedOnlyTheClipboardChanges) {
  TestProgram test;
  test.program.session.profile[kCity] = "Springfield";
  ManualSubmissionTab tab(test.program);
  tab.PasteProfileEntry(kCity);
  EXPECT_EQ(test.clipboard.text, "Springfield");
  RunEventsUntil([] { return false; }, 300);
  EXPECT_TRUE(tab.Browser()->url().isEmpty());
}

TEST(ManualTab, KeepsItsCookiesAcrossARestart) {
  FakeEngineServer server;
  TestProgram test;
  {
    ManualSubmissionTab tab(test.program);
    LoadCounter loads(tab.Browser()->page());
    tab.Browser()->load(QUrl(QString::fromStdString(server.Url("/login"))));
    ASSERT_TRUE(loads.WaitFor(1));
  }
  // The browser writes its cookie file on its own time, as it would when the program ends.
  ASSERT_TRUE(RunEventsUntil(
      [&] {
        return ReadFileBytes(test.AppPath("browser/Cookies")).find("member") != std::string::npos;
      },
      20000));
  ManualSubmissionTab again(test.program);
  LoadCounter loads(again.Browser()->page());
  again.Browser()->load(QUrl(QString::fromStdString(server.Url("/whoami"))));
  ASSERT_TRUE(loads.WaitFor(1));
  // The script may come before the reply's document is in place; it is asked again then.
  QString shown;
  EXPECT_TRUE(RunEventsUntil(
      [&] {
        shown = RunPageScript(again.Browser()->page(), "document.body.textContent").toString();
        return shown == "member=ann";
      },
      10000))
      << shown.toStdString();
}

}  // namespace
}  // namespace zentrova::testing
