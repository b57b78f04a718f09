#pragma once

#include "program/program.h"

namespace zentrova {

enum Activity : int { kBatchActivity = 1, kRegistrationActivity = 2, kExtractionActivity = 3 };

void StartOnlineRegistration(Program& program);
void StopOnlineRegistration(Program& program);
void NextSubmission(Program& program);
void SetBusyControls(Program& program, int activity, bool busy);
void ShowRunStep(Program& program, int step);

}  // namespace zentrova
