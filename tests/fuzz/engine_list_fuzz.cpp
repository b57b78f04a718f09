#include "engines/engine_list_files.h"
#include "fuzz_engines.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::fuzzing::AddFuzzEngines(t.program);
  zentrova::LoadEngineList(t.program,
                           zentrova::fuzzing::WriteInputFile(t, "engines.sel", data, size));
  return 0;
}
