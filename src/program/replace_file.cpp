#include "program/replace_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace zentrova {

namespace {

// Links are followed at most this deep, as the kernel itself does.
constexpr int kMaxLinkDepth = 40;
constexpr mode_t kNewFileMode = 0666;

// The file a write to `path` must replace: `path` itself, or where its links lead.
std::filesystem::path FinalTarget(const std::filesystem::path& path, std::error_code& error) {
  std::filesystem::path target = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, error))) {
      error.clear();
      return target;
    }
    const std::filesystem::path next = std::filesystem::read_symlink(target, error);
    if (error) {
      return target;
    }
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
  return target;
}

// A new file gets what the user's umask allows, as any other program's new file would.
mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return kNewFileMode & ~mask;
}

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0 && errno == EINTR) {
      continue;
    }
    if (n <= 0) {
      if (n == 0) {
        errno = EIO;
      }
      return false;
    }
    written += static_cast<std::size_t>(n);
  }
  return true;
}

// The folder's entry of the renamed file reaches the disk too; a folder that cannot be
// opened or synced (some file systems) costs nothing, the data itself is already flushed.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
}

}  // namespace

PendingFile::PendingFile(const std::string& path, const std::string& bytes, Flush flush)
    : flush_(flush) {
  std::error_code error;
  const std::filesystem::path target = FinalTarget(path, error);
  if (error) {
    prepared_ = FileOutcome::Failed(error.message());
    return;
  }
  mode_t mode = NewFileMode();
  struct stat existing {};
  if (::stat(target.c_str(), &existing) == 0) {
    if (!S_ISREG(existing.st_mode)) {
      prepared_ = FileOutcome::FromErrno(S_ISDIR(existing.st_mode) ? EISDIR : EINVAL);
      return;
    }
    mode = existing.st_mode & 07777;
  }
  // The rename never crosses file systems, and a short name cannot grow too long.
  const std::filesystem::path folder = target.parent_path();
  std::string temporary =
      (folder.empty() ? std::string() : folder.string() + "/") + ".zentrova-XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    prepared_ = FileOutcome::FromErrno(errno);
    return;
  }
  int failure = 0;
  if (!WriteAll(fd, bytes) || ::fchmod(fd, mode) != 0 ||
      (flush_ == Flush::ToDisk && ::fsync(fd) != 0)) {
    failure = errno;
  }
  if (::close(fd) != 0 && failure == 0) {
    failure = errno;
  }
  if (failure != 0) {
    ::unlink(temporary.c_str());
    prepared_ = FileOutcome::FromErrno(failure);
    return;
  }
  target_ = target.string();
  temporary_ = std::move(temporary);
}

PendingFile::~PendingFile() {
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
  }
}

FileOutcome PendingFile::Commit() {
  if (!prepared_) {
    return prepared_;
  }
  if (temporary_.empty()) {
    return FileOutcome::FromErrno(EINVAL);
  }
  if (::rename(temporary_.c_str(), target_.c_str()) != 0) {
    return FileOutcome::FromErrno(errno);
  }
  temporary_.clear();
  if (flush_ == Flush::ToDisk) {
    SyncFolder(std::filesystem::path(target_).parent_path());
  }
  return FileOutcome::Done();
}

FileOutcome ReplaceFileBytes(const std::string& path, const std::string& bytes, Flush flush) {
  PendingFile file(path, bytes, flush);
  return file.Commit();
}

}  // namespace zentrova
