#include "fuzz_input.h"
#include "text/string_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::testing::WriteFileBytes(t.program.folders.dataFolder + zentrova::kStringTableFileName,
                                    zentrova::fuzzing::InputText(data, size));
  if (zentrova::LoadStringTable(t.program)) {
    for (const auto& [id, stored] : t.program.text.stringTable) {
      zentrova::LoadText(t.program, id);
    }
    zentrova::ServiceStatusUrl(t.program);
  }
  return 0;
}
