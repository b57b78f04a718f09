#pragma once

#include <optional>
#include <string>

#include "engines/engine_record.h"

namespace zentrova::tool {

// One submission or one engine's result as a script reads it; texts in UTF-8.
struct SubmissionReport {
  std::string engine;
  std::string address;
  std::string verdict;            // "successful", "failed", "no reply"
  std::optional<int> httpStatus;  // unknown: not kept by the session, or no reply came
  std::optional<std::string> reason;
  std::optional<std::string> started;  // YYYY-MM-DDThh:mm:ss, the program's local time
  std::optional<std::string> finished;
};

// One line of JSON, without the line end.
std::string SubmissionJson(const SubmissionReport& report);

// The session's date (mm-dd-yyyy) and time of day (hh:mm:ss) as one ISO 8601 local time;
// nothing when either is missing or not of that shape, or the time was never taken.
std::optional<std::string> IsoTime(const std::string& date, const std::string& time);

// The result the session keeps for an engine it holds one for: its verdict and the times of
// its last submission.
SubmissionReport EngineResult(const EngineRecord& engine, const std::string& pageAddress);

// The session's bytes (Windows-1252) as UTF-8; a byte the code page leaves undefined becomes
// U+FFFD rather than vanishing.
std::string Utf8FromWindows1252(const std::string& bytes);

}  // namespace zentrova::tool
