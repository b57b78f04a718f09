#include "batch/session_batch.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::testing::WriteFileBytes(t.AppPath("batch.lst"),
                                    zentrova::fuzzing::InputText(data, size));
  zentrova::LoadBatchList(t.program);
  return 0;
}
