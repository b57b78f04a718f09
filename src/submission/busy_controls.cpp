#include "submission/log_pages.h"
#include "submission/run_controller.h"

namespace zentrova {

void SetBusyControls(Program& program, Activity activity, bool busy) {
  BusyControls& controls = program.busy;
  const bool idle = !busy;
  controls.extractFromWeb = idle;
  controls.runBatch = idle;
  controls.batchFrame = idle;
  controls.deepPromotionFrame = idle;
  controls.goToEngineAllowed = idle;
  controls.runRegistration = idle;
  controls.loadList = idle;
  controls.saveList = idle;
  // Only the running activity can be stopped.
  controls.batchStop = busy && activity == kBatchActivity;
  controls.registrationStop = busy && activity == kRegistrationActivity;
  controls.extractStop = busy && activity == kExtractionActivity;
  program.views.Changed(View::BusyControls);
  UpdateGoToEngineButton(program);
}

}  // namespace zentrova
