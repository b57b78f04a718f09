// Without libFuzzer, a target runs each file it is given (or each file under a folder it is
// given) once: that is how the seeds and every input that ever failed stay regression cases in
// every build.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>

#include "support/test_program.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Replay(const std::filesystem::path& path) {
  const std::string bytes = zentrova::testing::ReadFileBytes(path);
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
  int count = 0;
  for (int i = 1; i < argc; ++i) {
    const std::filesystem::path argument = argv[i];
    if (std::filesystem::is_directory(argument)) {
      for (const auto& entry : std::filesystem::recursive_directory_iterator(argument)) {
        if (entry.is_regular_file()) {
          Replay(entry.path());
          ++count;
        }
      }
    } else {
      Replay(argument);
      ++count;
    }
  }
  std::cout << "replayed " << count << " inputs\n";
  return count > 0 ? 0 : 1;
}
