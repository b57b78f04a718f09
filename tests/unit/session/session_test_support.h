#pragma once

#include <string>
#include <vector>

#include "program/program.h"

namespace zentrova::testing {

// Engines straight into the table, as start-up leaves it (the count equals the engines).
inline void AddEngines(Program& program, const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    EngineRecord engine;
    engine.name = name;
    program.database.engines.push_back(engine);
  }
  program.database.engineSlotCount = program.database.EngineCount();
}

// The session file's encodings, spelt out independently of the product's writer.
inline std::string Int16Bytes(int value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string TextBytes(const std::string& text) {
  return Int16Bytes(static_cast<int>(text.size())) + text;
}

}  // namespace zentrova::testing
