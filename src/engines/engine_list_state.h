#pragma once

#include <string>

#include "engines/sorted_list.h"

namespace zentrova {

// The status fields that belong to the queue, as texts ready to show.
struct QueueStatus {
  std::string engineCount = "0";  // Search Engines for Registration
  std::string successful = "0";   // Successful Registration
  std::string failed = "0";       // Failed Registration
  std::string ready = "0";        // Ready for Registration in current Session
  std::string deepLinks = "0";    // Deep Promotion Links:
  std::string selected = "Selected 0/0";
};

struct EngineListState {
  SortedList engineList;  // List1: marked rows are the Online Queue
  bool groupSelectMode = true;
  std::string lastEngineListFile = "Search Engine List.sel";
  QueueStatus status;
};

// The category screen and the engine list's category decorations.
struct CategoryState {
  SortedList groupList;     // List4: item data = group number
  SortedList categoryList;  // item data = entry number
  std::string categoryCaption = "Category for ";
  std::string keywordBox;
  bool categoriesShown = false;
  std::string showButtonCaption = "Show Categories";
};

}  // namespace zentrova
