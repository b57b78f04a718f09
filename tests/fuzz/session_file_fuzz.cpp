#include "fuzz_engines.h"
#include "fuzz_input.h"
#include "session/session_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::fuzzing::AddFuzzEngines(t.program);
  zentrova::ReadSession(t.program, zentrova::fuzzing::WriteInputFile(t, "input.ses", data, size),
                        false);
  return 0;
}
