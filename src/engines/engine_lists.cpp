#include "engines/engine_lists.h"

#include <string>

#include "program/busy_cursor.h"
#include "session/session_model.h"

namespace zentrova {
namespace {

// Rows reach their engine through the item data; a row whose data names no engine belongs to
// no group.
const EngineRecord* RowEngine(const Program& program, const ListRow& row) {
  if (row.data < 1 || row.data > program.database.EngineCount()) {
    return nullptr;
  }
  return &program.database.Engine(row.data);
}

bool BelongsToGroup(const EngineRecord& engine, const ListRow& row, int code) {
  if (code == kGroupAllGeneral) {
    return true;
  }
  // A row decorated with its category no longer equals its engine's name.
  if (row.text != engine.name) {
    return false;
  }
  switch (code) {
    case kGroupNewEngines:
      return engine.IsNewEngine();
    case kGroupLinkListings:
    case kGroupSearchEngines:
    case kGroupDirectories:
    case kGroupNews:
      return engine.kind == code;
    case kGroupNotRegisteredYet:
      return engine.RegistrationStatus() != kSuccessful;
    case kGroupFailed:
      return engine.RegistrationStatus() == kFailed;
    case kGroupAlreadyRegistered:
      return engine.RegistrationStatus() == kSuccessful;
    default:
      return false;
  }
}

// A change of marks made by the user: the session changes and the status fields follow.
void MarksChangedByUser(Program& program) {
  MarkSessionChanged(program);
  program.views.Changed(View::EngineList);
  UpdateQueueStatus(program);
}

}  // namespace

void FillEngineLists(Program& program) {
  SortedList& engineList = program.engineLists.engineList;
  SortedList& statusList = program.reports.statusList;
  engineList.Clear();
  statusList.Clear();
  program.deepPromotion.links.clear();
  program.deepPromotion.currentRow = -1;
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    EngineRecord& engine = program.database.Engine(slot);
    engineList.Add(engine.name, slot);
    statusList.Add(engine.name, slot);
    engine.RegistrationStatus() = kNotSubmitted;
  }
  engineList.SetCurrentRow(0);
  statusList.SetCurrentRow(0);
  program.views.Changed(View::EngineList);
  program.views.Changed(View::Report);
  program.views.Changed(View::DeepLinks);
}

void UpdateQueueStatus(Program& program) {
  QueueStatus& status = program.engineLists.status;
  status.engineCount = std::to_string(program.database.EngineCount());
  status.ready = std::to_string(program.engineLists.engineList.MarkedCount());
  int successful = 0;
  int failed = 0;
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    const ResultCode result = program.database.Engine(slot).RegistrationStatus();
    successful += result == kSuccessful ? 1 : 0;
    failed += result == kFailed ? 1 : 0;
  }
  status.successful = std::to_string(successful);
  status.failed = std::to_string(failed);
  UpdateSelectedCount(program);
  program.window.caption = WindowCaption(program.session.currentFile);
  status.deepLinks = std::to_string(program.deepPromotion.links.size());
  // During a run the panel's count is the engine's deep links still to go, not the list's.
  if (!program.busy.RunGoing()) {
    program.progress.deepLinkCount = status.deepLinks;
    program.views.Changed(View::Progress);
  }
  program.views.Changed(View::Caption);
  program.views.Changed(View::QueueStatus);
}

void UpdateSelectedCount(Program& program) {
  const SortedList& engineList = program.engineLists.engineList;
  program.engineLists.status.selected = "Selected " + std::to_string(engineList.MarkedCount()) +
                                        "/" + std::to_string(engineList.Count());
  program.views.Changed(View::QueueStatus);
}

void SelectEngineGroup(Program& program, SortedList& list, int code, bool select) {
  SetBusyCursor(program, true);
  bool changed = false;
  for (int index = 0; index < list.Count(); ++index) {
    const ListRow& row = list.Row(index);
    if (row.marked == select) {
      continue;
    }
    const EngineRecord* engine = RowEngine(program, row);
    if (engine == nullptr || !BelongsToGroup(*engine, row, code)) {
      continue;
    }
    // Engines for specific kinds of sites join the queue only by hand or as new engines.
    if (select && engine->specialized && code != kGroupNewEngines) {
      continue;
    }
    list.SetMarked(index, select);
    changed = true;
  }
  SetBusyCursor(program, false);
  if (changed) {
    MarksChangedByUser(program);
  }
}

void ChooseEngineRow(Program& program, int row) {
  program.engineLists.engineList.SetCurrentRow(row);
}

void ToggleEngineMark(Program& program, int row) {
  SortedList& engineList = program.engineLists.engineList;
  if (row < 0 || row >= engineList.Count()) {
    return;
  }
  engineList.SetMarked(row, !engineList.Row(row).marked);
  engineList.SetCurrentRow(row);
  MarksChangedByUser(program);
}

void BeginGroupSelection(Program& program, bool select) {
  program.engineLists.groupSelectMode = select;
}

void ChooseEngineGroup(Program& program, int code) {
  SelectEngineGroup(program, program.engineLists.engineList, code,
                    program.engineLists.groupSelectMode);
}

}  // namespace zentrova
