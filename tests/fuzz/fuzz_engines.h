#pragma once

#include "engines/engine_lists.h"
#include "program/program.h"

namespace zentrova::fuzzing {

// A small engine table, filled into the engine list, for the readers that match names.
inline void AddFuzzEngines(Program& program) {
  const struct {
    const char* name;
    int kind;
  } engines[] = {
      {"Alpha", kSearchEngine}, {"Beta", kDirectory}, {"*Gamma", kNews}, {"Delta", kLinkListing}};
  for (const auto& engine : engines) {
    EngineRecord record;
    record.name = engine.name;
    record.kind = engine.kind;
    record.homeUrl = "http://127.0.0.1/";
    record.actionUrl = "http://127.0.0.1/add";
    program.database.AddEngine(record);
  }
  FillEngineLists(program);
}

}  // namespace zentrova::fuzzing
