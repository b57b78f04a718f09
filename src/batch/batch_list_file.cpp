#include <fstream>

#include "batch/session_batch.h"
#include "program/replace_file.h"

namespace zentrova {

namespace {

std::string BatchListPath(const Program& program) {
  return program.folders.appFolder + "batch.lst";
}

}  // namespace

void LoadBatchList(Program& program) {
  std::ifstream in(BatchListPath(program), std::ios::binary);
  std::string line;
  auto& sessions = program.batch.sessions;
  while (static_cast<int>(sessions.size()) < kMaxBatchSessions && std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    sessions.push_back(line);
  }
  program.views.Changed(View::Batch);
}

void SaveBatchList(Program& program) {
  std::string text;
  for (const std::string& row : program.batch.sessions) {
    text += row + kCrLf;
  }
  ReplaceFileBytes(BatchListPath(program), text);
}

}  // namespace zentrova
