#include "engines/database_loader.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::LoadSubmissionDatabase(t.program,
                                   zentrova::fuzzing::WriteInputFile(t, "kelvox.dll", data, size));
  return 0;
}
