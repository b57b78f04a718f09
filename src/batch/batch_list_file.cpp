#include <climits>

#include "batch/session_batch.h"
#include "program/read_file.h"
#include "program/replace_file.h"

namespace zentrova {

namespace {

// A row for each session the list can hold, each a path no longer than the system allows.
constexpr size_t kMaxBatchListFileBytes = kMaxBatchSessions * static_cast<size_t>(PATH_MAX + 2);

}  // namespace

std::string BatchListPath(const Program& program) {
  return program.folders.appFolder + "batch.lst";
}

void LoadBatchList(Program& program) {
  // A missing list (the first start) and an unreadable one both start an empty list.
  const FileBytes file = ReadWholeFile(BatchListPath(program), kMaxBatchListFileBytes);
  const std::string& text = file.bytes;
  auto& sessions = program.batch.sessions;
  size_t start = 0;
  while (static_cast<int>(sessions.size()) < kMaxBatchSessions && start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    sessions.push_back(std::move(line));
    start = end + 1;
  }
  program.views.Changed(View::Batch);
}

FileOutcome SaveBatchList(Program& program) {
  std::string text;
  for (const std::string& row : program.batch.sessions) {
    text += row + kCrLf;
  }
  return ReplaceFileBytes(BatchListPath(program), text);
}

}  // namespace zentrova
