#pragma once

#include <array>
#include <string>

namespace zentrova {

inline constexpr int kMaxEngines = 500;
inline constexpr int kMaxFormFields = 30;

enum EngineKind : int { kLinkListing = 1, kSearchEngine = 2, kDirectory = 3, kNews = 4 };
enum MethodCode : int { kGet = 1, kPost = 2 };
// Result codes of a submission.
enum ResultCode : int { kNotSubmitted = 0, kSuccessful = 1, kFailed = 2 };
// The two elements of an engine's result pair, indexed by run phase.
enum RunPhase : int { kDeepLinkPhase = 0, kMainPagePhase = 1 };

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
  std::array<int, 2> results{kNotSubmitted, kNotSubmitted};
  bool noAdult = false;
  bool specialized = false;
  int method = kPost;

  int& DeepLinkStatus() { return results[kDeepLinkPhase]; }
  int DeepLinkStatus() const { return results[kDeepLinkPhase]; }
  int& RegistrationStatus() { return results[kMainPagePhase]; }
  int RegistrationStatus() const { return results[kMainPagePhase]; }
  // What a new session holds for the engine: no result, no times.
  void ClearRunFields() {
    startedAt.clear();
    finishedAt.clear();
    runDate.clear();
    results = {kNotSubmitted, kNotSubmitted};
  }
  bool IsNewEngine() const { return !name.empty() && name.front() == '*'; }
};

}  // namespace zentrova
