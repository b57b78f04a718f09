#include "submission/queue_marks.h"

#include "session/session_model.h"

namespace zentrova {

void UnmarkQueueRow(Program& program, int row) {
  program.engineLists.engineList.SetMarked(row, false);
  MarkSessionChanged(program);
  program.views.Changed(View::EngineList);
}

}  // namespace zentrova
