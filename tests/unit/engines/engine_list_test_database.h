#pragma once

#include <string>
#include <vector>

#include "engines/engine_lists.h"
#include "program/program.h"

namespace zentrova::testing {

struct TestEngine {
  const char* name;
  int kind;
  bool specialized;
};

// Puts the engines into slots 1 … n in the order given, so that slot order and alphabetical
// row order differ, and fills the engine list from them.
inline void LoadTestEngines(Program& program, const std::vector<TestEngine>& engines) {
  program.database.engines.resize(1);
  for (const TestEngine& engine : engines) {
    EngineRecord record;
    record.name = engine.name;
    record.kind = engine.kind;
    record.specialized = engine.specialized;
    program.database.AddEngine(record);
  }
  FillEngineLists(program);
}

inline int RowOf(const Program& program, const std::string& text) {
  const SortedList& list = program.engineLists.engineList;
  for (int index = 0; index < list.Count(); ++index) {
    if (list.Row(index).text == text) {
      return index;
    }
  }
  return -1;
}

inline void MarkRows(Program& program, const std::vector<std::string>& texts) {
  for (const std::string& text : texts) {
    program.engineLists.engineList.SetMarked(RowOf(program, text), true);
  }
}

// Marked rows, by the name of their engine, in list order.
inline std::vector<std::string> MarkedEngines(const Program& program) {
  std::vector<std::string> names;
  for (const ListRow& row : program.engineLists.engineList.Rows()) {
    if (row.marked) {
      names.push_back(program.database.Engine(row.data).name);
    }
  }
  return names;
}

}  // namespace zentrova::testing
