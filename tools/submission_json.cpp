#include "submission_json.h"

#include <iconv.h>

#include <cctype>
#include <cerrno>
#include <nlohmann/json.hpp>

#include "submission/run_state.h"

namespace zentrova::tool {

namespace {

bool DigitsAt(const std::string& text, size_t from, size_t count) {
  for (size_t i = from; i < from + count; ++i) {
    if (i >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) {
      return false;
    }
  }
  return true;
}

nlohmann::json OrNull(const std::optional<std::string>& text) {
  return text ? nlohmann::json(*text) : nlohmann::json(nullptr);
}

}  // namespace

std::string SubmissionJson(const SubmissionReport& report) {
  const nlohmann::json object = {
      {"engine", report.engine},
      {"address", report.address},
      {"verdict", report.verdict},
      {"http_status", report.httpStatus ? nlohmann::json(*report.httpStatus) : nullptr},
      {"reason", OrNull(report.reason)},
      {"started", OrNull(report.started)},
      {"finished", OrNull(report.finished)},
  };
  return object.dump();
}

std::optional<std::string> IsoTime(const std::string& date, const std::string& time) {
  const bool dateShaped = date.size() == 10 && DigitsAt(date, 0, 2) && date[2] == '-' &&
                          DigitsAt(date, 3, 2) && date[5] == '-' && DigitsAt(date, 6, 4);
  const bool timeShaped = time.size() == 8 && DigitsAt(time, 0, 2) && time[2] == ':' &&
                          DigitsAt(time, 3, 2) && time[5] == ':' && DigitsAt(time, 6, 2);
  if (!dateShaped || !timeShaped || time == kEmptyTime) {
    return std::nullopt;
  }
  return date.substr(6, 4) + "-" + date.substr(0, 2) + "-" + date.substr(3, 2) + "T" + time;
}

SubmissionReport EngineResult(const EngineRecord& engine, const std::string& pageAddress) {
  SubmissionReport report;
  report.engine = Utf8FromWindows1252(engine.name);
  report.address = Utf8FromWindows1252(pageAddress);
  report.verdict = engine.RegistrationStatus() == kSuccessful ? "successful" : "failed";
  report.started = IsoTime(engine.runDate, engine.startedAt);
  report.finished = IsoTime(engine.runDate, engine.finishedAt);
  return report;
}

std::string Utf8FromWindows1252(const std::string& bytes) {
  iconv_t converter = iconv_open("UTF-8", "WINDOWS-1252");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    return bytes;
  }
  std::string out;
  char buffer[256];
  char* in = const_cast<char*>(bytes.data());
  size_t inLeft = bytes.size();
  while (inLeft > 0) {
    char* next = buffer;
    size_t room = sizeof buffer;
    const size_t converted = iconv(converter, &in, &inLeft, &next, &room);
    out.append(buffer, static_cast<size_t>(next - buffer));
    if (converted == static_cast<size_t>(-1) && errno == EILSEQ) {
      out += "\xEF\xBF\xBD";
      ++in;
      --inLeft;
    }
  }
  iconv_close(converter);
  return out;
}

}  // namespace zentrova::tool
