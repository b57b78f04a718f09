#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zentrova {

inline constexpr int kMaxEngines = 500;
inline constexpr int kMaxFormFields = 30;

enum EngineKind : int { kLinkListing = 1, kSearchEngine = 2, kDirectory = 3, kNews = 4 };
enum MethodCode : int { kGet = 1, kPost = 2 };
// How the engine takes a submission: its form, or IndexNow's JSON requests.
enum SubmissionProtocol : int { kFormProtocol = 0, kIndexNowProtocol = 1 };
// The body of the record that marks an engine as speaking IndexNow.
inline constexpr char kIndexNowProtocolName[] = "indexnow";
// Result codes of a submission.
enum ResultCode : int { kNotSubmitted = 0, kSuccessful = 1, kFailed = 2 };
// The two elements of an engine's result pair, indexed by run phase.
enum RunPhase : int { kDeepLinkPhase = 0, kMainPagePhase = 1 };

// What became of an IndexNow engine in this program's last run of it, for its log page and
// the tool's report. Not kept in the session file.
struct IndexNowOutcome {
  bool recorded = false;
  bool contacted = false;  // false: failed before any request was sent
  int httpStatus = 0;      // of the answer that decided; 0 when none came
  std::string meaning;     // the answer in words, or why nothing was sent
  size_t addressesSent = 0;
  std::vector<std::string> leftOut;  // Deep Promotion links on another host
};

struct EngineRecord {
  std::string name;
  std::string homeUrl;
  int kind = kLinkListing;
  std::array<std::string, kMaxFormFields + 1> fieldNames;   // slots 1 … fieldCount
  std::array<std::string, kMaxFormFields + 1> fieldValues;  // value templates, same slots
  int fieldCount = 0;
  std::string actionUrl;
  std::string successMarker;
  // Run fields: they belong to the open session.
  std::string startedAt;
  std::string finishedAt;
  std::string runDate;
  // results[kDeepLinkPhase] is DeepLinkStatus, results[kMainPagePhase] RegistrationStatus.
  std::array<ResultCode, 2> results{kNotSubmitted, kNotSubmitted};
  IndexNowOutcome indexNow;
  // The main page's last verdict came from the reply time-out, not from a reply. The session
  // file has no room for it, so a session read from disk never has it.
  bool replyTimedOut = false;
  bool noAdult = false;
  bool specialized = false;
  int method = kPost;
  int protocol = kFormProtocol;

  ResultCode& DeepLinkStatus() { return results[kDeepLinkPhase]; }
  ResultCode DeepLinkStatus() const { return results[kDeepLinkPhase]; }
  ResultCode& RegistrationStatus() { return results[kMainPagePhase]; }
  ResultCode RegistrationStatus() const { return results[kMainPagePhase]; }
  // What a new session holds for the engine: no result, no times.
  void ClearRunFields() {
    startedAt.clear();
    finishedAt.clear();
    runDate.clear();
    results = {kNotSubmitted, kNotSubmitted};
    indexNow = {};
    replyTimedOut = false;
  }
  bool IsNewEngine() const { return !name.empty() && name.front() == '*'; }
};

}  // namespace zentrova
