#include "program/read_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace zentrova {

namespace {

constexpr std::size_t kGrowthBytes = 64 * 1024;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) {
      ::close(fd_);
    }
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

FileBytes Refused(FileOutcome outcome, bool tooLarge = false) {
  FileBytes result;
  result.outcome = std::move(outcome);
  result.tooLarge = tooLarge;
  return result;
}

// A read that an interrupting signal cut short is tried again.
ssize_t ReadSome(int fd, char* buffer, std::size_t size) {
  while (true) {
    const ssize_t got = ::read(fd, buffer, size);
    if (got >= 0 || errno != EINTR) {
      return got;
    }
  }
}

FileBytes TooLarge() {
  return Refused(FileOutcome::Failed("the file is too large"), true);
}

}  // namespace

FileBytes ReadWholeFile(const std::string& path, std::size_t maxBytes) {
  // Non-blocking, so that a pipe or device named like a file cannot make the open wait.
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.get() < 0) {
    return Refused(FileOutcome::FromErrno(errno));
  }
  struct stat status {};
  if (::fstat(file.get(), &status) != 0) {
    return Refused(FileOutcome::FromErrno(errno));
  }
  if (S_ISDIR(status.st_mode)) {
    return Refused(FileOutcome::FromErrno(EISDIR));
  }
  if (!S_ISREG(status.st_mode)) {
    return Refused(FileOutcome::Failed("not a regular file"));
  }
  if (static_cast<unsigned long long>(status.st_size) > maxBytes) {
    return TooLarge();
  }
  FileBytes result;
  result.bytes.resize(static_cast<std::size_t>(status.st_size));
  std::size_t filled = 0;
  while (true) {
    if (filled == result.bytes.size()) {
      // The file may have grown since fstat: it is read on, up to the cap and one byte more.
      if (filled >= maxBytes) {
        char extra = 0;
        const ssize_t more = ReadSome(file.get(), &extra, 1);
        if (more < 0) {
          return Refused(FileOutcome::FromErrno(errno));
        }
        if (more > 0) {
          return TooLarge();
        }
        break;
      }
      result.bytes.resize(std::min(maxBytes, result.bytes.size() + kGrowthBytes));
    }
    const ssize_t got =
        ReadSome(file.get(), result.bytes.data() + filled, result.bytes.size() - filled);
    if (got < 0) {
      return Refused(FileOutcome::FromErrno(errno));
    }
    if (got == 0) {
      break;
    }
    filled += static_cast<std::size_t>(got);
  }
  result.bytes.resize(filled);
  return result;
}

}  // namespace zentrova
