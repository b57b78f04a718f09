#include "program/replace_file.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace zentrova {

bool ReplaceFileBytes(const std::string& path, const std::string& bytes) {
  const std::filesystem::path target(path);
  // A short fixed name in the target's own folder: the rename never crosses file systems, and
  // a target name near the length limit cannot make the temporary name too long.
  const std::filesystem::path temporary = target.parent_path() / "~zentrova-write.tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) {
      return false;
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::error_code ignored;
      std::filesystem::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  std::filesystem::rename(temporary, target, error);
  if (error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace zentrova
