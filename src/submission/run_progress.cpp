#include "submission/run_controller.h"

#include "engines/engine_lists.h"

namespace zentrova {

void ShowRunStep(Program& program, RunStep step) {
  ProgressPanel& progress = program.progress;
  if (step == kRunIdle) {
    progress.currentDate = program.ports.clock->DateText();
    progress.startedTime = kEmptyTime;
    progress.currentTime = kEmptyTime;
    progress.engineInProcess.clear();
    program.ports.clockTimer->SetEnabled(false);
  } else if (step == kPreparingSubmission) {
    progress.currentDate = program.ports.clock->DateText();
    progress.startedTime = program.ports.clock->TimeText();
    program.ports.clockTimer->SetEnabled(true);
    progress.engineInProcess = program.database.Engine(program.run.currentEngine).name;
  }
  for (size_t lamp = 0; lamp < progress.lamps.size(); ++lamp) {
    progress.lamps[lamp] = lamp < static_cast<size_t>(step);
  }
  program.views.Changed(View::Progress);
}

void PutProgressPanelAtRest(Program& program) {
  program.ports.clockTimer->SetEnabled(false);
  ProgressPanel& progress = program.progress;
  progress.engineInProcess.clear();
  progress.linkInProcess.clear();
  progress.lamps = {};
  program.views.Changed(View::Progress);
  UpdateQueueStatus(program);
}

void OnClockTick(Program& program) {
  program.progress.currentTime = program.ports.clock->TimeText();
  program.views.Changed(View::Progress);
}

}  // namespace zentrova
