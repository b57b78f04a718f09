#pragma once

#include <string>

#include "engines/sorted_list.h"

namespace zentrova {

struct ReportState {
  SortedList statusList;  // List3: item data = engine slot
  int reportType = 0;
  std::string frameCaption = "Search Engine";
  // The page the report view shows (full path), empty for none.
  std::string viewedPage;
  bool saveReportEnabled = false;
  bool goToEngineEnabled = false;
};

}  // namespace zentrova
