#pragma once

#include <array>
#include <string>

namespace zentrova {

// A time of day not yet taken: a run not started, an engine never submitted.
inline constexpr char kEmptyTime[] = "00:00:00";

// What the submission browser is doing.
enum BrowserTask : int {
  kBrowserStopped,
  kAwaitingReply,
  kReplyTaken,  // the reply was taken over, or timed out
  kServiceStatusRequested,
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

struct RunState {
  int currentEngine = 0;
  int deepLinkCounter = 0;
  BrowserTask browserTask = kBrowserStopped;
  // A verdict on one of the engine's deep links has been recorded since its deep links
  // began, so the result it holds is this run's and not an earlier one's.
  bool deepLinkVerdictTaken = false;
  bool onlineConfirmed = false;
  bool serviceChecked = false;
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
};

}  // namespace zentrova
