#pragma once

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "engines/engine_record.h"
#include "program/program.h"

namespace zentrova {

// "Engine 007" for (prefix "Engine", digits 3, number 7): names that sort in queue order.
inline std::string NumberedName(const char* prefix, int digits, int number) {
  char name[64];
  std::snprintf(name, sizeof name, "%s %0*d", prefix, digits, number);
  return name;
}

// A form engine sending its fields, in order, to `action`; a reply holding `marker` succeeds.
inline EngineRecord FormEngine(std::string name, EngineKind kind, MethodCode method,
                               std::string action, std::string marker,
                               const std::vector<std::pair<std::string, std::string>>& fields) {
  EngineRecord engine;
  engine.name = std::move(name);
  engine.kind = kind;
  engine.method = method;
  engine.actionUrl = std::move(action);
  engine.successMarker = std::move(marker);
  for (const auto& [fieldName, value] : fields) {
    ++engine.fieldCount;
    engine.fieldNames[static_cast<size_t>(engine.fieldCount)] = fieldName;
    engine.fieldValues[static_cast<size_t>(engine.fieldCount)] = value;
  }
  return engine;
}

// Puts the engine into the table and its row, marked, into the Online Queue; its slot.
inline int QueueEngine(Program& program, EngineRecord engine) {
  SortedList& list = program.engineLists.engineList;
  const std::string name = engine.name;
  const int slot = program.database.AddEngine(std::move(engine));
  list.SetMarked(list.Add(name, slot), true);
  return slot;
}

}  // namespace zentrova
