#pragma once

#include <cstddef>
#include <string>

#include "program/file_outcome.h"

namespace zentrova {

// A whole file's bytes, or why they are not there.
struct FileBytes {
  FileOutcome outcome;
  bool tooLarge = false;  // larger than the reader's cap; nothing beyond the cap was read
  std::string bytes;

  explicit operator bool() const { return outcome.done; }
};

// Reads a regular file whole when it holds at most `maxBytes`. Anything else (a missing file,
// a folder, a pipe, a file larger than the cap or grown past it while read) is refused
// without reading more than the cap.
FileBytes ReadWholeFile(const std::string& path, std::size_t maxBytes);

}  // namespace zentrova
