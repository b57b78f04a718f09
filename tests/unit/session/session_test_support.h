#pragma once

#include <string>
#include <vector>

#include "program/program.h"
#include "support/session_file_builder.h"

namespace zentrova::testing {

// Engines straight into the table, as start-up leaves it (the count equals the engines).
inline void AddEngines(Program& program, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    EngineRecord engine;
    engine.name = name;
    program.database.AddEngine(engine);
  }
}

}  // namespace zentrova::testing
