#include "session/log_folder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace zentrova {

void ClearLogPages(Program& program) {
  namespace fs = std::filesystem;
  std::error_code error;
  // Names are compared literally: "*.htm" matches "x.htm" only, never "x.html" or "x.HTM".
  std::vector<fs::path> pages;
  for (fs::directory_iterator it(program.folders.LogFolder(), error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    std::error_code ignored;
    if (name.size() >= 4 && name.compare(name.size() - 4, 4, ".htm") == 0 &&
        !it->is_directory(ignored)) {
      pages.push_back(it->path());
    }
  }
  for (const fs::path& page : pages) {
    std::error_code ignored;
    fs::remove(page, ignored);
  }
}

}  // namespace zentrova
