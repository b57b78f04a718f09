#pragma once

#include <string>

#include "program/file_outcome.h"

namespace zentrova {

// Whether a replaced file's bytes and its folder's entry are flushed to disk before it counts
// as written. A file that the program removes at exit and rebuilds at every start has nothing
// to keep across a crash, so it need not wait for the disk.
enum class Flush { ToDisk, NotNeeded };

// A file's new bytes, written and flushed to disk under a fresh temporary name in the target's
// own folder, waiting to be put in place. The temporary file is created exclusively, so no
// file of the user's or of another writer is ever touched; it carries the permissions of the
// file it will replace. When the target is a symbolic link, the file it points to is the one
// replaced, and the link stays. Destroyed without Commit, it removes its temporary file.
class PendingFile {
 public:
  PendingFile(const std::string& path, const std::string& bytes, Flush flush = Flush::ToDisk);
  ~PendingFile();
  PendingFile(const PendingFile&) = delete;
  PendingFile& operator=(const PendingFile&) = delete;

  // Whether the bytes are safely on disk, ready to commit.
  const FileOutcome& Prepared() const { return prepared_; }
  // Renames the temporary file over the target.
  FileOutcome Commit();

 private:
  FileOutcome prepared_;
  std::string target_;
  std::string temporary_;
  Flush flush_;
};

// Writes bytes so that a reader never sees half a file and a failed write leaves the old file
// as it was (a PendingFile committed at once).
FileOutcome ReplaceFileBytes(const std::string& path, const std::string& bytes,
                             Flush flush = Flush::ToDisk);

}  // namespace zentrova
