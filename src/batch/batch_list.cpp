#include "batch/batch_list.h"

#include <algorithm>

#include "batch/session_queue_count.h"
#include "program/chosen_row.h"
#include "session/file_dialogs.h"

namespace zentrova {

namespace {

bool ListUnlocked(const Program& program) {
  return program.busy.batchFrame;
}

int RowCount(const Program& program) {
  return static_cast<int>(program.batch.sessions.size());
}

void MoveBatchSession(Program& program, int step) {
  if (ListUnlocked(program) &&
      MoveChosenRow(program.batch.sessions, program.batch.currentRow, step)) {
    program.views.Changed(View::Batch);
  }
}

}  // namespace

void AddSessionToBatch(Program& program) {
  if (!ListUnlocked(program)) {
    return;
  }
  const std::string path = OpenFileDialog(program, kSessionFiles, "");
  if (path.empty()) {
    return;
  }
  if (SessionQueueCount(path) == -1) {
    program.ports.dialogs->ShowMessage(
        "This Session file has empty Queue. Load this Session into program. Go to Queue "
        "Screen. Select and Move some Search Engines into Online Queue. Save Session. Add "
        "Session file into Session Batch Promotion again.",
        MessageButtons::Ok, MessageIcon::None, kAppTitle);
    return;
  }
  AddBatchEntry(program, path);
}

void AddBatchEntry(Program& program, const std::string& path) {
  auto& sessions = program.batch.sessions;
  if (RowCount(program) >= kMaxBatchSessions ||
      std::find(sessions.begin(), sessions.end(), path) != sessions.end()) {
    return;
  }
  sessions.push_back(path);
  program.views.Changed(View::Batch);
}

void SelectBatchSession(Program& program, int row) {
  ChooseRow(program.batch.sessions, program.batch.currentRow, row);
  program.views.Changed(View::Batch);
}

void RemoveBatchSession(Program& program) {
  if (ListUnlocked(program) && RemoveChosenRow(program.batch.sessions, program.batch.currentRow)) {
    program.views.Changed(View::Batch);
  }
}

void MoveBatchSessionUp(Program& program) {
  MoveBatchSession(program, -1);
}

void MoveBatchSessionDown(Program& program) {
  MoveBatchSession(program, 1);
}

void RemoveAllBatchSessions(Program& program) {
  if (!ListUnlocked(program) || RowCount(program) == 0) {
    return;
  }
  const MessageAnswer answer =
      program.ports.dialogs->ShowMessage("Do you want to remove all Sessions from the list?",
                                         MessageButtons::YesNo, MessageIcon::Question, kAppTitle);
  if (answer == MessageAnswer::Yes) {
    program.batch.sessions.clear();
    program.batch.currentRow = -1;
    program.views.Changed(View::Batch);
  }
}

}  // namespace zentrova
