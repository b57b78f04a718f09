#include "program/file_outcome.h"

#include <cstring>

namespace zentrova {

FileOutcome FileOutcome::FromErrno(int error) {
  return Failed(std::strerror(error));
}

std::string WriteFailureMessage(const std::string& path, const FileOutcome& outcome) {
  return "Cannot write the file " + path + ": " + outcome.reason;
}

std::string ReadFailureMessage(const std::string& path, const FileOutcome& outcome) {
  return "Cannot read the file " + path + ": " + outcome.reason;
}

}  // namespace zentrova
