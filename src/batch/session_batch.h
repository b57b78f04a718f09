#pragma once

#include "program/program.h"

namespace zentrova {

inline bool BatchRunning(const Program& program) {
  return program.batch.position != kBatchIdle;
}
// Called by the run controller when a session's queue is done during a batch.
void ContinueSessionBatch(Program& program);
void LoadBatchList(Program& program);
void SaveBatchList(Program& program);

}  // namespace zentrova
