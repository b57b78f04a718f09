#include <filesystem>
#include <fstream>

#include "batch/session_batch.h"

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
  const std::string path = BatchListPath(program);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    for (const std::string& row : program.batch.sessions) {
      out << row << kCrLf;
    }
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, path, error);
  if (error) {
    std::filesystem::remove(temporary, error);
  }
}

}  // namespace zentrova
