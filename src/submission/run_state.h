#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace zentrova {

// A time of day not yet taken: a run not started, an engine never submitted.
inline constexpr char kEmptyTime[] = "00:00:00";

// What the submission browser is doing, or the HTTP client in its place for IndexNow.
enum BrowserTask : int {
  kBrowserStopped,
  kAwaitingReply,
  kReplyTaken,  // the reply was taken over, or timed out
  kServiceStatusRequested,
  kKeyFileRequested,
  kIndexNowAnswerAwaited,
};

// The stages of one submission as the progress panel's lamps show them: stage k lights the
// first k lamps.
enum RunStep : int {
  kRunIdle = 0,
  kPreparingSubmission = 1,
  kSubmitting = 2,
  kReplyArrived = 3,
  kSavingResult = 4,
};

enum KeyFileCheckResult : int {
  kKeyFileUnchecked = 0,
  kKeyFileFound = 1,
  kKeyFileRefused = 2,     // failed: the IndexNow engines fail without being contacted
  kKeyFileOverridden = 3,  // failed, and the user chose to submit anyway
};

// The key-file check of a run. It holds for the key and the address it was made with; a
// batch session with another key is checked again.
struct KeyFileCheck {
  KeyFileCheckResult result = kKeyFileUnchecked;
  std::string key;
  std::string address;
  std::string reason;
};

// The IndexNow submission in process: every address it carries, and how far it has come.
struct IndexNowRequests {
  std::vector<std::string> addresses;
  size_t next = 0;              // the first address of the request in process or to come
  size_t inProcess = 0;         // how many addresses the request in process carries
  bool keyNotVerified = false;  // an engine answered 202 to one of the requests
  // Numbers every request, so that an answer arriving after its time-out is not taken.
  unsigned requestNumber = 0;
  // The HTTP client's number of the request awaited, for cancelling it.
  unsigned pendingRequest = 0;
};

// The deep-link counter while an engine's own page is in process; above it, the number of the
// deep link in process, counting down to 1.
inline constexpr int kMainPageInProcess = -1;

struct RunState {
  int currentEngine = 0;
  int deepLinkCounter = 0;
  BrowserTask browserTask = kBrowserStopped;
  // A verdict on one of the engine's deep links has been recorded since its deep links
  // began, so the result it holds is this run's and not an earlier one's.
  bool deepLinkVerdictTaken = false;
  bool onlineConfirmed = false;
  bool serviceChecked = false;
  // Nobody is there to answer a question (the companion tool's run).
  bool unattended = false;
  // This run's verdicts on engines' main pages, for the line that closes the run.
  int enginesSucceeded = 0;
  int enginesFailed = 0;
  KeyFileCheck keyFile;
  IndexNowRequests indexNow;
};

// The "Online Registration" frame and the four step lamps of the registration page.
struct ProgressPanel {
  std::string engineInProcess;           // Label20
  std::string linkInProcess;             // Label42
  std::string deepLinkCount = "0";       // Label44
  std::string currentDate;               // Label36
  std::string startedTime = kEmptyTime;  // Label37
  std::string currentTime = kEmptyTime;  // Label38
  std::array<bool, 4> lamps{};
};

// Enabled state of the controls of the three long activities.
struct BusyControls {
  bool extractFromWeb = true;      // Form99 "Extract" (web site)
  bool extractStop = false;        // Form99 "Stop"
  bool runBatch = true;            // Command10 "&Run Session Batch"
  bool batchStop = false;          // Command11 batch "&Stop"
  bool batchFrame = true;          // frame "Session Batch List"
  bool deepPromotionFrame = true;  // the deep-promotion link frame
  bool goToEngineAllowed = true;   // "&Go to Search Engine" (also needs a home address)
  bool runRegistration = true;     // Command25 "&Run Online Registration"
  bool registrationStop = false;   // Command7 online "&Stop"
  bool loadList = true;            // "Load List"
  bool saveList = true;            // "Save List"

  // Only a running activity can be stopped, so the Stop buttons tell whether a run is going.
  bool RunGoing() const { return registrationStop || batchStop; }
};

}  // namespace zentrova
