#include <algorithm>

#include "engines/engine_lists.h"
#include "session/session_model.h"
#include "submission/indexnow_submission.h"
#include "submission/queue_marks.h"
#include "submission/run_controller.h"

namespace zentrova {
namespace {

void ShowDeepLinkCount(Program& program, int count) {
  program.progress.deepLinkCount = std::to_string(count);
  program.views.Changed(View::Progress);
}

// The engine at the top of the queue is done: it leaves the queue.
void FinishQueueHead(Program& program) {
  const int row = program.engineLists.engineList.FirstMarked();
  if (row >= 0) {
    UnmarkQueueRow(program, row);
  }
  UpdateQueueStatus(program);
}

}  // namespace

bool DeepPromotionFollows(const Program& program, const EngineRecord& engine) {
  if (!CheckBoxTicked(program, kDeepPromotionBox) || program.deepPromotion.links.empty() ||
      engine.kind != kSearchEngine) {
    return false;
  }
  // The same repeat rule as the main page: links that all went through before are not sent
  // again; a fresh engine or one with a failed link gets them.
  return !(CheckBoxTicked(program, kDoNotRepeatBox) && engine.DeepLinkStatus() == kSuccessful);
}

namespace {

bool SkipEngine(const Program& program, const EngineRecord& engine) {
  return (CheckBoxTicked(program, kDoNotRepeatBox) && engine.RegistrationStatus() == kSuccessful) ||
         (CheckBoxTicked(program, kAdultBox) && engine.noAdult);
}

// The first engine of the queue that is not skipped; its main page comes next.
QueueChoice SelectNextEngine(Program& program) {
  SortedList& list = program.engineLists.engineList;
  for (;;) {
    const int row = list.FirstMarked();
    if (row < 0) {
      return {};
    }
    const int slot = list.Row(row).data;
    program.run.currentEngine = slot;
    if (SkipEngine(program, program.database.Engine(slot))) {
      UnmarkQueueRow(program, row);
      UpdateQueueStatus(program);
      continue;
    }
    program.run.deepLinkCounter = kMainPageInProcess;
    return {QueueChoice::kMainPage};
  }
}

}  // namespace

int EnginesOfTheRun(const Program& program) {
  const SortedList& list = program.engineLists.engineList;
  int engines = 0;
  for (int row = 0; row < list.Count(); ++row) {
    if (list.Row(row).marked && !SkipEngine(program, program.database.Engine(list.Row(row).data))) {
      ++engines;
    }
  }
  return engines;
}

QueueChoice SelectNextSubmission(Program& program) {
  RunState& run = program.run;
  if (run.deepLinkCounter > 1) {
    --run.deepLinkCounter;
    ShowDeepLinkCount(program, run.deepLinkCounter + 1);
    return {QueueChoice::kDeepLink, run.deepLinkCounter};
  }
  if (run.deepLinkCounter == 1) {
    run.deepLinkCounter = 0;
    FinishQueueHead(program);
    ShowDeepLinkCount(program, 0);
  } else if (run.deepLinkCounter == kMainPageInProcess) {
    const int row = program.engineLists.engineList.FirstMarked();
    if (row >= 0) {
      const EngineRecord& engine =
          program.database.Engine(program.engineLists.engineList.Row(row).data);
      // An IndexNow engine's links went with its page.
      if (!IsIndexNowEngine(engine) && DeepPromotionFollows(program, engine)) {
        // Links go from the last of the first 25 down to the first.
        run.deepLinkCounter =
            std::min(static_cast<int>(program.deepPromotion.links.size()), kMaxDeepLinksPerEngine);
        run.deepLinkVerdictTaken = false;
        return {QueueChoice::kDeepLink, run.deepLinkCounter};
      }
    }
    run.deepLinkCounter = 0;
    FinishQueueHead(program);
  }
  return SelectNextEngine(program);
}

}  // namespace zentrova
