// Loading a submission database at the format's limits (500 engines with 30 form fields each,
// 400 category groups with 400 entries each), timed beside merely reading the same file's
// bytes in the same run. Goal: loading within 5 times the bare read.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "engines/database_loader.h"
#include "engines/database_records.h"
#include "ports/headless_ports.h"
#include "ports/platform_ports.h"
#include "program/program.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kRuns = 9;

std::vector<std::string> RecordsAtTheLimits() {
  using namespace zentrova;
  std::vector<std::string> records;
  for (int engine = 1; engine <= kMaxEngines; ++engine) {
    const std::string name = "Engine " + std::to_string(engine);
    for (int field = 1; field <= kMaxFormFields; ++field) {
      records.push_back("1field" + std::to_string(field) + ",%0" + std::to_string(10 + field));
    }
    records.push_back("2" + name + ",https://engine" + std::to_string(engine) +
                      ".example/,FFhttps://engine" + std::to_string(engine) +
                      ".example/submit,GShttps://engine" + std::to_string(engine) + ".example/");
  }
  for (int group = 1; group <= kMaxCategoryGroups; ++group) {
    records.push_back("3Engine " + std::to_string(group) + "," + std::to_string(100 + group));
    for (int entry = 1; entry <= kMaxCategoryEntries; ++entry) {
      records.push_back("4cat" + std::to_string(entry) + "[]Category " + std::to_string(entry));
    }
  }
  for (int line = 1; line <= 100; ++line) {
    records.push_back("5<p>Manual submission line " + std::to_string(line) + "</p>");
  }
  return records;
}

double Milliseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::milli>(duration).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The least a loader has to do: get the file's bytes into memory in one read.
size_t ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<size_t>(std::filesystem::file_size(path)), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<size_t>(in.gcount());
}

}  // namespace

int main() {
  namespace fs = std::filesystem;
  std::random_device random;
  const fs::path root = fs::temp_directory_path() / ("zentrova-bench-" + std::to_string(random()));
  fs::create_directories(root / "SESSIONS");
  const std::string path = (root / zentrova::kDatabaseFileName).string();
  {
    const auto image = zentrova::BuildDatabaseFile(RecordsAtTheLimits());
    std::ofstream out(path, std::ios::binary);
    out.write(image.bytes.data(), static_cast<std::streamsize>(image.bytes.size()));
  }

  std::vector<double> readTimes;
  std::vector<double> loadTimes;
  size_t fileSize = 0;
  int engines = 0;
  for (int run = 0; run < kRuns; ++run) {
    const auto readStart = Clock::now();
    fileSize = ReadBytes(path);
    readTimes.push_back(Milliseconds(Clock::now() - readStart));

    zentrova::HeadlessPorts headless;
    // Says why the generated database was refused, should it ever be.
    headless.dialogs.onMessage = [](const std::string& text) {
      std::fprintf(stderr, "%s\n", text.c_str());
    };
    zentrova::Program program;
    program.ports = zentrova::PlatformPorts(headless, nullptr, [] {});
    program.folders.appFolder = root.string() + "/";
    const auto loadStart = Clock::now();
    const bool loaded = zentrova::LoadSubmissionDatabase(program, path);
    loadTimes.push_back(Milliseconds(Clock::now() - loadStart));
    if (!loaded) {
      std::fprintf(stderr, "the generated database did not load\n");
      return 1;
    }
    engines = program.database.EngineCount();
  }
  fs::remove_all(root);

  const double read = Median(readTimes);
  const double load = Median(loadTimes);
  std::printf("database at the limits: %zu bytes, %d engines, %d groups x %d entries\n", fileSize,
              engines, zentrova::kMaxCategoryGroups, zentrova::kMaxCategoryEntries);
  std::printf("read bytes in one read:      %8.2f ms (median of %d)\n", read, kRuns);
  std::printf("load:                        %8.2f ms (median of %d)\n", load, kRuns);
  std::printf("load / one read:             %8.2f (goal: at most 5)\n", load / read);
  return 0;
}
