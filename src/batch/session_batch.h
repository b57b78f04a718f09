#pragma once

#include "program/file_outcome.h"
#include "program/program.h"

namespace zentrova {

inline bool BatchRunning(const Program& program) {
  return program.batch.position != kBatchIdle;
}
// Called by the run controller when a session's queue is done during a batch.
void ContinueSessionBatch(Program& program);
void LoadBatchList(Program& program);
// batch.lst in AppFolder.
std::string BatchListPath(const Program& program);
FileOutcome SaveBatchList(Program& program);

// "&Run Session Batch" and the batch "&Stop".
void RunSessionBatch(Program& program);
void StopSessionBatch(Program& program);
// Opens the session at the batch position and starts its queue, or ends the batch.
void ProcessNextBatchSession(Program& program);
void FinishSessionBatch(Program& program);

}  // namespace zentrova
