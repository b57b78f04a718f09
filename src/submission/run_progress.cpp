#include "submission/run_controller.h"

namespace zentrova {

void ShowRunStep(Program& program, int step) {
  ProgressPanel& progress = program.progress;
  if (step == 0) {
    progress.currentDate = program.ports.clock->DateText();
    progress.startedTime = kEmptyTime;
    progress.currentTime = kEmptyTime;
    progress.engineInProcess.clear();
    program.ports.clockTimer->SetEnabled(false);
  } else if (step == 1) {
    progress.currentDate = program.ports.clock->DateText();
    progress.startedTime = program.ports.clock->TimeText();
    program.ports.clockTimer->SetEnabled(true);
    progress.engineInProcess = program.database.Engine(program.run.currentEngine).name;
  }
  // Lamp k is lit from step k + 1 on.
  for (int lamp = 0; lamp < static_cast<int>(progress.lamps.size()); ++lamp) {
    progress.lamps[static_cast<size_t>(lamp)] = lamp < step;
  }
  program.views.Changed(View::Progress);
}

void OnClockTick(Program& program) {
  program.progress.currentTime = program.ports.clock->TimeText();
  program.views.Changed(View::Progress);
}

}  // namespace zentrova
