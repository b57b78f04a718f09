#pragma once

#include "program/program.h"

namespace zentrova {

enum Activity : int { kBatchActivity = 1, kRegistrationActivity = 2, kExtractionActivity = 3 };

// Verdicts handed to FinishSubmission.
enum SubmissionOutcome : int { kSubmissionFailed, kSubmissionSucceeded, kSubmissionTimedOut };

inline constexpr int kReplyTimeoutMilliseconds = 30000;
inline constexpr int kClockIntervalMilliseconds = 1000;
// Deep links beyond this many are never submitted.
inline constexpr int kMaxDeepLinksPerEngine = 25;

void StartOnlineRegistration(Program& program);
void StopOnlineRegistration(Program& program);
void NextSubmission(Program& program);
void SetBusyControls(Program& program, Activity activity, bool busy);
void ShowRunStep(Program& program, RunStep step);
// The run has ended or was stopped: the clock stops, the lamps go out, no engine or link is in
// process and the deep-link count is the list's again. The times stay as the clock last showed
// them.
void PutProgressPanelAtRest(Program& program);
// The reply time-out in whole seconds, as the user is told it.
int ReplyTimeoutSeconds(const Program& program);

void RequestServiceStatus(Program& program);
// (Re)starts the reply time-out for a request just sent.
void ArmReplyTimeout(Program& program);
// Whether the Deep Promotion links go to this engine after its page.
bool DeepPromotionFollows(const Program& program, const EngineRecord& engine);
// What the queue gives the run next.
struct QueueChoice {
  enum Kind : int { kNothingLeft, kMainPage, kDeepLink };
  Kind kind = kNothingLeft;
  int deepLink = 0;  // for kDeepLink: the link's number in the Deep Promotion list, from 1
};
QueueChoice SelectNextSubmission(Program& program);
// The engines of the Online Queue that a run started now would submit to: every queued one
// that the Do Not Repeat and adult-content boxes do not leave out, whatever its protocol.
int EnginesOfTheRun(const Program& program);
void StartSubmission(Program& program, const FormRequest& request);
// A time-out fails the submission like a failed reply, but the engine's log page says why.
void FinishSubmission(Program& program, SubmissionOutcome outcome);
// code: kSuccessful or kFailed. A result recorded earlier stays until a verdict replaces it;
// among one engine's deep links, a failed one leaves the deep-link result failed.
void RecordResult(Program& program, RunPhase phase, ResultCode code);

// Timer ticks: the reply time-out and the progress panel's clock.
void OnReplyTimeout(Program& program);
void OnClockTick(Program& program);

}  // namespace zentrova
