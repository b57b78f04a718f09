#pragma once

#include "program/program.h"

namespace zentrova {

enum ReportTypeCode : int {
  kSummaryReport = 1,
  kSuccessfulOnly = 3,
  kFailedOnly = 4,
  kNoReport = 5
};

void ShowReport(Program& program, int type);

}  // namespace zentrova
