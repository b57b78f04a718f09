// Write + read time of a session against a database at its limit: 500 engines with run
// results, every profile slot filled, 25 deep links and every engine queued.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "engines/category_groups.h"
#include "ports/headless_ports.h"
#include "ports/platform_ports.h"
#include "program/program.h"
#include "session/session_file.h"
#include "session/session_model.h"

namespace {

using namespace zentrova;

void FillSession(Program& program) {
  for (int slot = 1; slot <= kMaxEngines; ++slot) {
    EngineRecord engine;
    engine.name = "Search Engine Number " + std::to_string(slot);
    engine.RegistrationStatus() = static_cast<ResultCode>(slot % 3);
    engine.DeepLinkStatus() = static_cast<ResultCode>(slot % 2);
    engine.startedAt = "10:11:12";
    engine.finishedAt = "10:11:40";
    engine.runDate = "12-10-2026";
    program.engineLists.engineList.Add(engine.name, program.database.AddEngine(engine));
  }
  for (int row = 0; row < program.engineLists.engineList.Count(); ++row) {
    program.engineLists.engineList.SetMarked(row, true);
  }
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    program.session.profile[slot] = "Profile value of slot " + std::to_string(slot);
  }
  ShowSession(program);
  for (int link = 1; link <= 25; ++link) {
    program.deepPromotion.links.push_back("http://www.site.example/page" + std::to_string(link) +
                                          ".htm");
  }
}

}  // namespace

int main() {
  std::random_device random;
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zentrova-bench-" + std::to_string(random()));
  std::filesystem::create_directories(folder / "LOG");
  HeadlessPorts headless;
  Program program;
  program.ports = PlatformPorts(headless, nullptr, [] {});
  program.folders.appFolder = folder.string() + "/";
  FillSession(program);
  const std::string path = (folder / "bench.ses").string();

  constexpr int kRounds = 21;
  std::vector<double> times;
  for (int round = 0; round < kRounds; ++round) {
    const auto start = std::chrono::steady_clock::now();
    WriteSession(program, path, false);
    ReadSession(program, path, false);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    times.push_back(took.count());
  }
  std::sort(times.begin(), times.end());
  const auto size = std::filesystem::file_size(path);
  std::printf(
      "session write+read, 500 engines, 999 slots, 25 links, 500 queued (%ju bytes): "
      "median %.2f ms, slowest %.2f ms over %d rounds (goal < 20 ms)\n",
      static_cast<std::uintmax_t>(size), times[times.size() / 2], times.back(), kRounds);
  std::printf("queued after reading: %d\n", program.engineLists.engineList.MarkedCount());
  std::filesystem::remove_all(folder);
  return 0;
}
