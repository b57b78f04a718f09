#pragma once

#include <string>
#include <vector>

#include "engines/category_groups.h"
#include "engines/engine_record.h"

namespace zentrova {

// The engine table and what else the database file brings. Engines occupy slots 1 … n of
// `engines` (slot 0 is never used); `engineSlotCount` is n + 1 while loading and n once
// start-up has finished.
struct SubmissionDatabase {
  std::vector<EngineRecord> engines = std::vector<EngineRecord>(1);
  int engineSlotCount = 1;
  // Category groups in database order; group g (1-based) is categoryGroups[g - 1].
  std::vector<CategoryGroup> categoryGroups;
  // Lines of the manual submission page, in file order.
  std::vector<std::string> manualPageLines;

  EngineRecord& Engine(int slot) { return engines.at(static_cast<size_t>(slot)); }
  const EngineRecord& Engine(int slot) const { return engines.at(static_cast<size_t>(slot)); }
  // Number of engines once start-up has finished.
  int EngineCount() const { return static_cast<int>(engines.size()) - 1; }
};

}  // namespace zentrova
