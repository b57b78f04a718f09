#include "fuzz_input.h"
#include "meta/html_split.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::HtmlParts parts;
  zentrova::SplitHtmlFile(t.program, zentrova::fuzzing::WriteInputFile(t, "page.htm", data, size),
                          parts);
  return 0;
}
