#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "support/test_program.h"

namespace zentrova::fuzzing {

// Each input gets a program of its own, so that no state carries over from one input to the
// next and every finding replays on its own.
inline std::string InputText(const uint8_t* data, size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Writes the input as the file a reader is given and returns its path.
inline std::string WriteInputFile(const testing::TestProgram& t, const std::string& name,
                                  const uint8_t* data, size_t size) {
  const std::filesystem::path path = t.root / name;
  testing::WriteFileBytes(path, InputText(data, size));
  return path.string();
}

}  // namespace zentrova::fuzzing
