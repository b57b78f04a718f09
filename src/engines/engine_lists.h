#pragma once

#include "program/program.h"

namespace zentrova {

// Group codes of the group popup menu.
enum EngineGroup : int {
  kGroupLinkListings = 1,
  kGroupSearchEngines = 2,
  kGroupDirectories = 3,
  kGroupNews = 4,
  kGroupAllGeneral = 5,
  kGroupAlreadyRegistered = 6,
  kGroupNotRegisteredYet = 7,
  kGroupNewEngines = 8,
  kGroupFailed = 9,
};

void FillEngineLists(Program& program);
void UpdateQueueStatus(Program& program);
void UpdateSelectedCount(Program& program);
void SelectEngineGroup(Program& program, SortedList& list, int code, bool select);
// The user moved the engine list's current row; the list already shows it there.
void ChooseEngineRow(Program& program, int row);
// A click on (or the space bar at) a row of the engine list toggles its mark.
void ToggleEngineMark(Program& program, int row);

// The group popup menu: "Select" and "Clear" choose the mode, an entry applies its group to
// the engine list.
void BeginGroupSelection(Program& program, bool select);
void ChooseEngineGroup(Program& program, int code);

}  // namespace zentrova
