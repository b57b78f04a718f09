#pragma once

#include <memory>
#include <string>
#include <utility>
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
  // The database file's bytes with its record texts restored, which the category entries view;
  // shared, so that a copy of the database keeps them alive as well.
  std::shared_ptr<const std::string> recordTexts;

  EngineRecord& Engine(int slot) { return engines.at(static_cast<size_t>(slot)); }
  const EngineRecord& Engine(int slot) const { return engines.at(static_cast<size_t>(slot)); }
  // Number of engines once start-up has finished.
  int EngineCount() const { return static_cast<int>(engines.size()) - 1; }
  // Puts an engine into the next slot of a table that has finished loading (the count stays
  // the number of engines); the engine's slot. For tables built in place, not read from a file.
  int AddEngine(EngineRecord engine) {
    engines.push_back(std::move(engine));
    engineSlotCount = EngineCount();
    return engineSlotCount;
  }
};

}  // namespace zentrova
