#include "manual/form_capture.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

CapturedElement Input(const std::string& name, const std::string& value) {
  return {name, value, "INPUT", {}};
}

CapturedElement List(const std::string& name, const std::string& value,
                     std::vector<CapturedOption> options) {
  return {name, value, "SELECT", std::move(options)};
}

struct CaptureCase {
  const char* title;
  CapturedForm form;
  std::string expected;
};

TEST(FormCapture, BuildsTheDraftEntryLineByLine) {
  const std::string head =
      "name\r\nLL\r\nhttp://e.example/add\r\nresponse\r\nhttp://e.example/\r\npost\r\n";
  const CaptureCase cases[] = {
      {"no form", {}, "name\r\nLL\r\n\r\nresponse\r\nhttp://e.example/\r\n\r\n0\r\n-\r\n"},
      {"named fields and an unnamed button",
       {"http://e.example/add",
        "post",
        {Input("url", "http://mine.example/"), Input("", "Send"), Input("title", "")}},
       head + "2\r\nurl,http://mine.example/\r\ntitle,\r\n-\r\n"},
      {"named list: value, placeholder and a section of value[]text",
       {"http://e.example/add",
        "post",
        {List("cat", "b", {{"a", "Arts"}, {"b", "Business, Trade"}})}},
       head + "1\r\ncat,b%XXX\r\n=====\r\nname\r\nXXX\r\na[]Arts\r\nb[]Business, Trade\r\n-\r\n"},
      {"unnamed list: only the placeholder, still a section, not counted",
       {"http://e.example/add", "post", {List("", "x", {{"x", "X"}})}},
       head + "0\r\n%XXX\r\n=====\r\nname\r\nXXX\r\nx[]X\r\n-\r\n"},
      {"two lists: sections in list order, after every field line",
       {"http://e.example/add",
        "post",
        {List("one", "1", {{"1", "One"}}), Input("q", "v"), List("two", "", {})}},
       head + "3\r\none,1%XXX\r\nq,v\r\ntwo,%XXX\r\n=====\r\nname\r\nXXX\r\n1[]One\r\n"
              "=====\r\nname\r\nXXX\r\n-\r\n"},
      {"a list spelled in lower case is no list",
       {"http://e.example/add", "post", {{"s", "1", "select", {{"1", "One"}}}}},
       head + "1\r\ns,1\r\n-\r\n"},
  };
  for (const CaptureCase& test : cases) {
    SCOPED_TRACE(test.title);
    EXPECT_EQ(FormCaptureText(test.form, "http://e.example/"), test.expected);
  }
}

}  // namespace
}  // namespace zentrova
