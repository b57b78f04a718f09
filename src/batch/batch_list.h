#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// The side tab's list commands. The list changes only while no batch runs: a batch reads
// its rows by position.
void AddSessionToBatch(Program& program);
// Appends the path unless a row already holds exactly this text.
void AddBatchEntry(Program& program, const std::string& path);
void SelectBatchSession(Program& program, int row);
void RemoveBatchSession(Program& program);
void MoveBatchSessionUp(Program& program);
void MoveBatchSessionDown(Program& program);
void RemoveAllBatchSessions(Program& program);

}  // namespace zentrova
