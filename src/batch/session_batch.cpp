#include "batch/session_batch.h"

#include "batch/session_queue_count.h"
#include "session/file_dialogs.h"
#include "session/session_commands.h"
#include "session/session_file.h"
#include "submission/run_controller.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

void ShowNotRunnable(Program& program, const std::string& path) {
  program.ports.dialogs->ShowMessage(
      PathText(path) + kCrLf +
          "This Session file is no longer exist or it has empty Promotion Queue. Load this "
          "Session into program. Go to Queue Screen. Select and Move some Search Engines into "
          "Online Queue. Save Session. Run Session Batch again.",
      MessageButtons::Ok, MessageIcon::None, kAppTitle);
}

void ShowStatus(Program& program, const std::string& text) {
  program.batch.statusText = text;
  program.views.Changed(View::Batch);
}

}  // namespace

void RunSessionBatch(Program& program) {
  if (!program.busy.runBatch || BatchRunning(program)) {
    return;
  }
  for (const std::string& path : program.batch.sessions) {
    if (SessionQueueCount(path) == -1) {
      ShowNotRunnable(program, path);
      return;
    }
  }
  program.views.Changed(View::Batch);
  // The batch replaces the open session; unsaved edits of it would be lost without a word.
  if (!AskSaveSession(program)) {
    return;
  }
  if (!program.run.onlineConfirmed) {
    const MessageAnswer answer = program.ports.dialogs->ShowMessage(
        "Do you want to run Session Batch now? If Yes, Please, connect to Internet and press "
        "'Yes'.",
        MessageButtons::YesNo, MessageIcon::Question, kAppTitle);
    if (answer != MessageAnswer::Yes) {
      return;
    }
  }
  program.run.onlineConfirmed = true;
  SetBusyControls(program, kBatchActivity, true);
  program.batch.position = 0;
  ProcessNextBatchSession(program);
}

void ProcessNextBatchSession(Program& program) {
  const int count = static_cast<int>(program.batch.sessions.size());
  if (program.batch.position > count - 1) {
    FinishSessionBatch(program);
    return;
  }
  const std::string path = program.batch.sessions[static_cast<size_t>(program.batch.position)];
  ShowStatus(program, "Processing Session " + std::to_string(program.batch.position + 1) + " of " +
                          std::to_string(count) + " - " + PathText(path));
  // The file was fit when the batch started, but it may have changed since; reading an unfit
  // file would leave an empty session that the batch then writes over it.
  if (SessionQueueCount(path) == -1) {
    FinishSessionBatch(program);
    ShowNotRunnable(program, path);
    return;
  }
  if (ReadSession(program, path, false) == SessionRead::NotSession) {
    FinishSessionBatch(program);
    return;
  }
  program.run.deepLinkCounter = 0;
  program.run.serviceChecked = true;
  NextSubmission(program);
}

void ContinueSessionBatch(Program& program) {
  if (!BatchRunning(program)) {
    return;
  }
  const int position = program.batch.position;
  if (position >= 0 && position < static_cast<int>(program.batch.sessions.size())) {
    const std::string& path = program.batch.sessions[static_cast<size_t>(position)];
    const FileOutcome written = WriteSession(program, path, false);
    if (!written) {
      // Going on would read the next session over results that exist nowhere else.
      FinishSessionBatch(program);
      WrittenOrTold(program, path, written);
      return;
    }
    program.batch.position = position + 1;
  }
  ProcessNextBatchSession(program);
}

void FinishSessionBatch(Program& program) {
  ShowStatus(program,
             "Batch completed. Total Sessions - " + std::to_string(program.batch.position));
  SetBusyControls(program, kBatchActivity, false);
  program.batch.position = kBatchIdle;
  PutProgressPanelAtRest(program);
}

void StopSessionBatch(Program& program) {
  if (!BatchRunning(program)) {
    return;
  }
  SetBusyControls(program, kBatchActivity, false);
  FinishSessionBatch(program);
  program.ports.browser->Stop();
  // With the controls free again, a run left going would keep submitting the rest of this
  // session's queue behind the user's back: the submission in process ends here, unrecorded.
  program.run.browserTask = kBrowserStopped;
  program.ports.replyTimer->SetEnabled(false);
}

}  // namespace zentrova
