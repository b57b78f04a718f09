#include "submission/form_encoding.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

TEST(EncodeFormFields, EncodesAsABrowserSendsTheSubmissionPagesForm) {
  struct Case {
    const char* what;
    std::vector<FormField> fields;
    std::string encoded;
  };
  const Case cases[] = {
      {"no fields", {}, ""},
      {"order and repeats kept", {{"b", "2"}, {"a", "1"}, {"b", "3"}}, "b=2&a=1&b=3"},
      {"empty name and value", {{"", ""}, {"x", ""}}, "=&x="},
      {"space and the characters left as they are", {{"q", "a b*-._Z9"}}, "q=a+b*-._Z9"},
      {"reserved and other ASCII escaped",
       {{"q", "&=+%/?#~!'()\"<>"}},
       "q=%26%3D%2B%25%2F%3F%23%7E%21%27%28%29%22%3C%3E"},
      {"Latin-1 letters in UTF-8",
       {{"caf\xE9", "cr\xE8me br\xFBl\xE9\xFF"}},
       "caf%C3%A9=cr%C3%A8me+br%C3%BBl%C3%A9%C3%BF"},
      {"the code page's own letters",
       {{"q", "\x80\x8A\x99\x9F"}},
       "q=%E2%82%AC%C5%A0%E2%84%A2%C5%B8"},
      {"undefined bytes are control characters", {{"q", "\x81\x9D"}}, "q=%C2%81%C2%9D"},
      // A text input's value loses its line breaks; a name keeps each as CR LF.
      {"line breaks",
       {{"a\nb\r\nc\rd", "one\r\ntwo\nthree\rfour"}},
       "a%0D%0Ab%0D%0Ac%0D%0Ad=onetwothreefour"},
      {"NUL", {{std::string("n\0", 2), std::string("v\0", 2)}}, "n%EF%BF%BD=v%EF%BF%BD"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EncodeFormFields(c.fields), c.encoded) << c.what;
  }
}

}  // namespace
}  // namespace zentrova
