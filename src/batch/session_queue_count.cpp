#include "batch/session_queue_count.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "session/session_file.h"

namespace zentrova {

namespace {

// Walks a session file without keeping what it reads; any read past the end fails.
class SessionFileWalker {
 public:
  SessionFileWalker(const std::string& path, std::uintmax_t size)
      : in_(path, std::ios::binary), remaining_(size) {}

  bool ok() const { return ok_ && static_cast<bool>(in_); }

  int ReadInt16() {
    unsigned char bytes[2] = {0, 0};
    if (!Take(2)) {
      return 0;
    }
    in_.read(reinterpret_cast<char*>(bytes), 2);
    return static_cast<std::int16_t>(bytes[0] | (bytes[1] << 8));
  }

  void SkipText() {
    const int length = ReadInt16();
    if (length < 0 || !Take(static_cast<std::uintmax_t>(length))) {
      ok_ = false;
      return;
    }
    in_.seekg(length, std::ios::cur);
  }

  void SkipTexts(int count) {
    for (int i = 0; i < count && ok(); ++i) {
      SkipText();
    }
  }

 private:
  bool Take(std::uintmax_t bytes) {
    if (!ok() || bytes > remaining_) {
      ok_ = false;
      return false;
    }
    remaining_ -= bytes;
    return true;
  }

  std::ifstream in_;
  std::uintmax_t remaining_;
  bool ok_ = true;
};

}  // namespace

int SessionQueueCount(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (error || !std::filesystem::is_regular_file(path, error) || size > kMaxSessionFileBytes) {
    return -1;
  }
  SessionFileWalker file(path, size);
  if (file.ReadInt16() != kSessionSignature) {
    return -1;
  }
  file.SkipTexts(kProfileSlotCount);
  const int engines = file.ReadInt16();
  for (int i = 0; i < engines && file.ok(); ++i) {
    file.SkipText();
    file.ReadInt16();
    file.ReadInt16();
    file.SkipTexts(3);
  }
  const int links = file.ReadInt16();
  file.SkipTexts(links);
  const int queued = file.ReadInt16();
  // The queued names must be there too: a file that ends early is no session to run.
  file.SkipTexts(queued);
  if (!file.ok() || engines < 0 || links < 0 || queued <= 0) {
    return -1;
  }
  return queued;
}

}  // namespace zentrova
