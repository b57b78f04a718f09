#include "capture_source.h"

#include <gtest/gtest.h>

#include "database_source.h"

namespace zentrova::tool {
namespace {

std::vector<std::string> Compile(const std::string& source) {
  auto compiled = CompileDatabaseSource(source);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->message << "\n" << source;
    return {};
  }
  return std::get<CompiledDatabase>(compiled).records;
}

CapturedElement Input(const std::string& name, const std::string& value) {
  return {name, value, "INPUT", {}};
}

TEST(CaptureSource, CompilesAsItStandsWithOneGroupPerList) {
  const CapturedForm form{
      "http://e.example/add?a=1,2",
      "post",
      {Input("url", "http://mine.example/"),
       Input("", "Send"),
       {"cat", "b", "SELECT", {{"a", "Arts"}, {"b", "Business"}, {"", "Choose"}}},
       Input("note=1", "  padded \"quoted\"\r\nnext"),
       {"", "x", "SELECT", {{"x", "X[]Y"}, {"y[]", "Left out"}}}}};

  const std::string source = CaptureSource(form, "http://e.example/form");

  EXPECT_EQ(Compile(source),
            (std::vector<std::string>{
                "1url,http://mine.example/",
                "1cat,%100",
                "1note=1,  padded \"quoted\"\r\nnext",
                "2name,response,FFhttp://e.example/add?a=1%2C2,PLhttp://e.example/form",
                "3name,100",
                "4a[]Arts",
                "4b[]Business",
                "4[]Choose",
                "3name,101",
                "4x[]X[]Y",
            }));
  EXPECT_NE(source.find("# Left out: an entry's value cannot contain \"[]\": y[]"),
            std::string::npos);
  // A captured line break stays inside the comment that quotes the value.
  EXPECT_EQ(source.find("\nnext"), std::string::npos);
}

TEST(CaptureSource, MarksEveryPlaceholderLineWithAChangeComment) {
  const CapturedForm form{"http://e.example/add", "get", {Input("q", "")}};
  const std::string source = CaptureSource(form, "http://e.example/");
  for (const char* line :
       {"engine name\n", "success response\n", "kind link listing\n", "field q = \n"}) {
    SCOPED_TRACE(line);
    const size_t at = source.find(line);
    ASSERT_NE(at, std::string::npos) << source;
    const size_t previous = source.rfind('\n', source.rfind('\n', at - 1) - 1);
    EXPECT_EQ(source.substr(source.find_first_not_of(' ', previous + 1), 9), "# Change:");
  }
  EXPECT_NE(source.find("  method GET\n"), std::string::npos);
}

TEST(CaptureSource, NamesWhatTheDatabaseCannotHoldInsteadOfWritingIt) {
  CapturedForm form{"http://e.example/add", "dialog", {Input("a,b", "1")}};
  for (int i = 0; i < 31; ++i) {
    form.elements.push_back(Input("f" + std::to_string(i), ""));
  }
  const std::string source = CaptureSource(form, "http://e.example/");
  const std::vector<std::string> records = Compile(source);
  ASSERT_EQ(records.size(), 31u);
  EXPECT_EQ(records[29], "1f29,");
  EXPECT_NE(source.find("# Left out: a field name cannot contain a comma: a,b"), std::string::npos);
  EXPECT_NE(source.find("# Left out: an engine has at most 30 fields: f30"), std::string::npos);
  EXPECT_NE(source.find("# Change: the form reports the method \"dialog\"."), std::string::npos);
}

}  // namespace
}  // namespace zentrova::tool
