#include "submission/request_builder.h"

#include <gtest/gtest.h>

#include "run_fixture.h"
#include "submission/keyword_text.h"

namespace zentrova::testing {
namespace {

TEST(ExpandTemplate, ReplacesThreeDigitPlaceholdersAndKeepsEverythingElse) {
  ProfileValues profile;
  profile[kPageAddress] = "http://my.site/";
  profile[kSiteTitle] = "My Site";
  profile[kEmail] = "me@my.site";
  profile[kSiteDescription] = "Fine things";
  profile[999] = "last";
  EngineRecord engine;
  engine.name = "Finder";
  struct Case {
    std::string valueTemplate;
    std::string expected;
  };
  const Case cases[] = {
      {"no placeholder", "no placeholder"},
      {"%001%002", "http://my.site/My Site"},
      {"%001 %002", "http://my.site/ My Site"},
      {"mail: %011!", "mail: me@my.site!"},
      {"%999%000", "last"},
      // A "%" without three digits after it stays, and expansion goes on right after it.
      {"100%", "100%"},
      {"50% off", "50% off"},
      {"%01", "%01"},
      {"%%001", "%http://my.site/"},
      {"%1a2%002", "%1a2My Site"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ExpandTemplate(c.valueTemplate, engine, profile), c.expected) << c.valueTemplate;
  }
}

TEST(ExpandTemplate, TheEngineNamedExactlyYahooGetsTheKeywordPatternForTheDescriptionOnly) {
  ProfileValues profile;
  profile[kSiteDescription] = "Fine things";
  profile[kSiteTitle] = "My Site";
  const std::string pattern = BuildKeywordText(199, "Fine things", "", "", "", "", "");
  ASSERT_NE(pattern, "Fine things");
  struct Case {
    std::string name;
    std::string valueTemplate;
    std::string expected;
  };
  const Case cases[] = {
      {"Yahoo", "%012", pattern},        {"Yahoo", "%002", "My Site"},
      {"yahoo", "%012", "Fine things"},  {"Yahoo!", "%012", "Fine things"},
      {"Yahoo ", "%012", "Fine things"},
  };
  for (const auto& c : cases) {
    EngineRecord engine;
    engine.name = c.name;
    EXPECT_EQ(ExpandTemplate(c.valueTemplate, engine, profile), c.expected) << c.name;
  }
}

class SubmissionFormTest : public RunFixture {
 protected:
  SubmissionFormTest() {
    slot = AddEngine("A&B <Search>");
    EngineRecord& engine = Engine(slot);
    engine.method = kGet;
    engine.actionUrl = "http://e.test/add?x=1&y=\"2\"";
    engine.fieldCount = 3;
    engine.fieldNames[1] = "url";
    engine.fieldValues[1] = "%001";
    engine.fieldNames[2] = "t\"q";
    engine.fieldValues[2] = "%002";
    engine.fieldNames[3] = "u2";
    engine.fieldValues[3] = " %001";
    program.session.profile[kPageAddress] = "http://my.site/?a=1&b=2";
    program.session.profile[kSiteTitle] = "Say \"hi\" <now>";
    program.run.currentEngine = slot;
  }
  int slot = 0;
};

TEST_F(SubmissionFormTest, EscapesEveryAttributeSoTheBrowserSendsTheSessionsValues) {
  program.run.deepLinkCounter = -1;
  EXPECT_EQ(BuildSubmissionForm(program),
            "<FORM METHOD=GET Action=\"http://e.test/add?x=1&amp;y=&quot;2&quot;\" >"
            "<input type=text name=\"url\" value=\"http://my.site/?a=1&amp;b=2\">"
            "<input type=text name=\"t&quot;q\" value=\"Say &quot;hi&quot; &lt;now&gt;\">"
            "<input type=text name=\"u2\" value=\" http://my.site/?a=1&amp;b=2\">"
            "<input type=submit value=Register>A&amp;B &lt;Search&gt;</FORM>");
  EXPECT_EQ(program.progress.linkInProcess, "http://my.site/?a=1&b=2");
  EXPECT_EQ(program.progress.deepLinkCount, "0");
}

TEST_F(SubmissionFormTest, ADeepLinkReplacesOnlyAFieldThatIsExactlyThePageAddress) {
  program.deepPromotion.links = {"http://my.site/one", "http://my.site/two"};
  program.run.deepLinkCounter = 2;
  const std::string form = BuildSubmissionForm(program);
  EXPECT_NE(form.find("name=\"url\" value=\"http://my.site/two\""), std::string::npos);
  EXPECT_NE(form.find("name=\"u2\" value=\" http://my.site/?a=1&amp;b=2\""), std::string::npos);
  EXPECT_EQ(program.progress.linkInProcess, "http://my.site/two");
  EXPECT_EQ(program.progress.deepLinkCount, "2");
}

TEST_F(SubmissionFormTest, NoFieldsLeaveOnlyTheButtonAndPostIsTheDefaultMethod) {
  Engine(slot).fieldCount = 0;
  Engine(slot).method = kPost;
  Engine(slot).name = "Plain";
  Engine(slot).actionUrl = "http://e.test/add";
  EXPECT_EQ(BuildSubmissionForm(program),
            "<FORM METHOD=POST Action=\"http://e.test/add\" ><input type=submit "
            "value=Register>Plain</FORM>");
}

TEST_F(SubmissionFormTest, TheRequestCarriesWhatTheFormWouldSend) {
  program.run.deepLinkCounter = -1;
  FormRequest request = BuildSubmissionRequest(program);
  EXPECT_FALSE(request.post);
  EXPECT_EQ(request.action, "http://e.test/add?x=1&y=\"2\"");
  EXPECT_EQ(request.fields,
            "url=http%3A%2F%2Fmy.site%2F%3Fa%3D1%26b%3D2&t%22q=Say+%22hi%22+%3Cnow%3E"
            "&u2=+http%3A%2F%2Fmy.site%2F%3Fa%3D1%26b%3D2");
  EXPECT_EQ(program.progress.linkInProcess, "http://my.site/?a=1&b=2");

  Engine(slot).method = kPost;
  program.deepPromotion.links = {"http://my.site/one"};
  program.run.deepLinkCounter = 1;
  request = BuildSubmissionRequest(program);
  EXPECT_TRUE(request.post);
  EXPECT_EQ(FieldValue(request.fields, "url"), "http://my.site/one");
  EXPECT_EQ(FieldValue(request.fields, "u2"), " http://my.site/?a=1&b=2");
  EXPECT_EQ(program.progress.linkInProcess, "http://my.site/one");
  EXPECT_EQ(program.progress.deepLinkCount, "1");

  Engine(slot).fieldCount = 0;
  EXPECT_EQ(BuildSubmissionRequest(program).fields, "");
}

TEST(SubmissionPage, PutsTheFormOnTheMiddleOfThreeLines) {
  EXPECT_EQ(SubmissionPage("<FORM></FORM>"), "<HTML><BODY>\n<FORM></FORM>\n</BODY></HTML>\n");
}

}  // namespace
}  // namespace zentrova::testing
