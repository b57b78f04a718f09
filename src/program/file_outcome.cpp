#include "program/file_outcome.h"

#include <cstring>

#include "text/code_page.h"

namespace zentrova {

FileOutcome FileOutcome::FromErrno(int error) {
  return Failed(std::strerror(error));
}

std::string WriteFailureMessage(const std::string& path, const FileOutcome& outcome) {
  return "Cannot write the file " + PathText(path) + ": " + outcome.reason;
}

std::string ReadFailureMessage(const std::string& path, const FileOutcome& outcome) {
  return "Cannot read the file " + PathText(path) + ": " + outcome.reason;
}

}  // namespace zentrova
