#include "fuzz_engines.h"
#include "fuzz_input.h"
#include "program/wiring.h"
#include "submission/service_status.h"

// The status page arrives while a run waits for it, with every engine queued.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zentrova::testing::TestProgram t;
  zentrova::Program& program = t.program;
  zentrova::ConnectPorts(program);
  zentrova::fuzzing::AddFuzzEngines(program);
  for (int row = 0; row < program.engineLists.engineList.Count(); ++row) {
    program.engineLists.engineList.SetMarked(row, true);
  }
  program.run.onlineConfirmed = true;
  program.session.currentFile = t.AppPath("SESSIONS/run.ses");
  t.browser.bodyText = zentrova::fuzzing::InputText(data, size);
  zentrova::CheckServiceStatus(program, 200);
  return 0;
}
