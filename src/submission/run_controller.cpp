#include "submission/run_controller.h"

#include "batch/session_batch.h"
#include "engines/engine_lists.h"
#include "session/session_commands.h"
#include "session/session_model.h"
#include "submission/indexnow_submission.h"
#include "submission/request_builder.h"
#include "text/string_table.h"

namespace zentrova {
namespace {

constexpr char kQueueEmptyMessage[] = "Online Queue is Empty";
constexpr char kGoOnlineQuestion[] =
    "Do you want to make Web Page Online Promotion Now? If Yes, Please, connect to Internet and "
    "press 'Yes'.";

void SaveSessionIfChanged(Program& program) {
  if (!program.session.saved) {
    SaveSession(program);
  }
}

constexpr char kCheckingServiceStatus[] = "Checking service status...";

// The status line's account of a run that ended, in the counters' own terms.
void ShowRunOutcome(Program& program, const char* how) {
  const RunState& run = program.run;
  program.window.statusHint = std::string("Online Registration ") + how + ": " +
                              std::to_string(run.enginesSucceeded) + " successful, " +
                              std::to_string(run.enginesFailed) + " failed";
  program.views.Changed(View::StatusHint);
}

}  // namespace

void ArmReplyTimeout(Program& program) {
  // Re-enabling restarts the interval, so every request gets its full 30 seconds.
  program.ports.replyTimer->SetEnabled(false);
  program.ports.replyTimer->SetEnabled(true);
}

int ReplyTimeoutSeconds(const Program& program) {
  constexpr int kMillisecondsPerSecond = 1000;
  return (program.ports.replyTimer->Interval() + kMillisecondsPerSecond - 1) /
         kMillisecondsPerSecond;
}

void StartOnlineRegistration(Program& program) {
  // A second run while any long activity is busy would interleave two runs' replies.
  if (!program.busy.runRegistration) {
    return;
  }
  SaveSessionIfChanged(program);
  MarkSessionChanged(program);
  Dialogs& dialogs = *program.ports.dialogs;
  if (program.engineLists.engineList.MarkedCount() == 0) {
    dialogs.ShowMessage(kQueueEmptyMessage, MessageButtons::Ok, MessageIcon::Exclamation,
                        kAppTitle);
    return;
  }
  if (!program.run.onlineConfirmed &&
      dialogs.ShowMessage(kGoOnlineQuestion, MessageButtons::YesNo, MessageIcon::Question,
                          kAppTitle) != MessageAnswer::Yes) {
    return;
  }
  program.run.onlineConfirmed = true;
  CollectSession(program);
  SetBusyControls(program, kRegistrationActivity, true);
  program.run.deepLinkCounter = 0;
  program.run.keyFile = {};
  program.run.enginesSucceeded = 0;
  program.run.enginesFailed = 0;
  if (!program.run.serviceChecked) {
    program.run.serviceChecked = true;
    RequestServiceStatus(program);
  } else {
    NextSubmission(program);
  }
}

void RequestServiceStatus(Program& program) {
  program.run.browserTask = kServiceStatusRequested;
  // A service page that never comes must not hold the run forever.
  ArmReplyTimeout(program);
  // Nothing else moves on the page until the service answers.
  program.progress.engineInProcess = kCheckingServiceStatus;
  program.views.Changed(View::Progress);
  program.ports.browser->Navigate(ServiceStatusUrl(program));
}

void StopOnlineRegistration(Program& program) {
  SetBusyControls(program, kRegistrationActivity, false);
  CancelIndexNowRequest(program);
  program.run.browserTask = kBrowserStopped;
  SaveSessionIfChanged(program);
  CollectSession(program);
  program.ports.replyTimer->SetEnabled(false);
  PutProgressPanelAtRest(program);
  ShowRunOutcome(program, "stopped");
}

void NextSubmission(Program& program) {
  UpdateQueueStatus(program);
  if (SelectNextSubmission(program).kind != QueueChoice::kNothingLeft) {
    ShowRunStep(program, kPreparingSubmission);
    if (IsIndexNowEngine(program.database.Engine(program.run.currentEngine))) {
      SubmitToIndexNow(program);
      return;
    }
    StartSubmission(program, BuildSubmissionRequest(program));
    return;
  }
  if (BatchRunning(program)) {
    ContinueSessionBatch(program);
    return;
  }
  SetBusyControls(program, kRegistrationActivity, false);
  PutProgressPanelAtRest(program);
  CollectSession(program);
  ShowRunOutcome(program, "completed");
}

void StartSubmission(Program& program, const FormRequest& request) {
  program.run.browserTask = kAwaitingReply;
  ArmReplyTimeout(program);
  ShowRunStep(program, kSubmitting);
  program.ports.browser->Submit(request);
}

void OnReplyTimeout(Program& program) {
  program.ports.replyTimer->SetEnabled(false);
  const BrowserTask task = program.run.browserTask;
  if (IsIndexNowTask(task)) {
    OnIndexNowTimeout(program);
    return;
  }
  if (task != kAwaitingReply && task != kServiceStatusRequested) {
    return;
  }
  program.ports.browser->Stop();
  program.run.browserTask = kReplyTaken;
  if (task == kAwaitingReply) {
    FinishSubmission(program, kSubmissionTimedOut);
  } else {
    // Without the service's word nothing is withdrawn: the run begins with the first engine.
    program.run.deepLinkCounter = 0;
    NextSubmission(program);
  }
}

void FinishSubmission(Program& program, SubmissionOutcome outcome) {
  const RunPhase phase =
      program.run.deepLinkCounter == kMainPageInProcess ? kMainPagePhase : kDeepLinkPhase;
  RecordResult(program, phase, outcome == kSubmissionSucceeded ? kSuccessful : kFailed);
  if (phase == kMainPagePhase) {
    program.database.Engine(program.run.currentEngine).replyTimedOut =
        outcome == kSubmissionTimedOut;
  }
  ShowRunStep(program, kSavingResult);
  NextSubmission(program);
}

void RecordResult(Program& program, RunPhase phase, ResultCode code) {
  EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  // The clock's last tick may be a second old or, for a quick reply, not have come at all:
  // the finishing time is read now.
  program.progress.currentTime = program.ports.clock->TimeText();
  engine.runDate = program.progress.currentDate;
  engine.startedAt = program.progress.startedTime;
  engine.finishedAt = program.progress.currentTime;
  program.ports.replyTimer->SetEnabled(false);
  ShowRunStep(program, kRunIdle);
  if (phase == kMainPagePhase) {
    engine.RegistrationStatus() = code;
    if (code == kSuccessful) {
      ++program.run.enginesSucceeded;
    } else {
      ++program.run.enginesFailed;
    }
    return;
  }
  ResultCode& result = engine.DeepLinkStatus();
  if (!program.run.deepLinkVerdictTaken || code == kFailed) {
    result = code;
  }
  program.run.deepLinkVerdictTaken = true;
}

}  // namespace zentrova
