#include "submission_recorder.h"

#include "submission/reply_analysis.h"
#include "submission/run_state.h"

namespace zentrova::tool {

SubmissionRecorder::SubmissionRecorder(Browser& browser, const Program& program)
    : browser_(browser), program_(program) {
  browser_.events.navigationCompleted = [this](const std::string& url, int httpStatus) {
    OnNavigationCompleted(url, httpStatus);
  };
  browser_.events.documentCompleted = [this](const std::string& url) {
    if (events.documentCompleted) {
      events.documentCompleted(url);
    }
  };
}

void SubmissionRecorder::Submit(const FormRequest& request) {
  const EngineRecord& engine = program_.database.Engine(program_.run.currentEngine);
  lines_.push_back(
      {program_.run.currentEngine, engine.name, program_.progress.linkInProcess, "", 0, ""});
  pending_ = true;
  browser_.Submit(request);
}

void SubmissionRecorder::Stop() {
  // The core stops the browser when the reply time-out strikes.
  if (AwaitingReply()) {
    lines_.back().verdict = "timed out";
    pending_ = false;
    if (judged) {
      judged();
    }
  }
  browser_.Stop();
}

bool SubmissionRecorder::AwaitingReply() const {
  return pending_ && program_.run.browserTask == kAwaitingReply;
}

void SubmissionRecorder::OnNavigationCompleted(const std::string& url, int httpStatus) {
  if (AwaitingReply()) {
    SubmissionLine& line = lines_.back();
    const EngineRecord& engine = program_.database.Engine(program_.run.currentEngine);
    line.failure = browser_.LoadFailure();
    // The same judgement the core is about to make on this reply.
    line.verdict = line.failure.empty() && ReplySucceeded(url, httpStatus, browser_.BodyText(),
                                                          engine.successMarker)
                       ? "successful"
                       : "failed";
    line.httpStatus = httpStatus;
    pending_ = false;
    if (judged) {
      judged();
    }
  }
  if (events.navigationCompleted) {
    events.navigationCompleted(url, httpStatus);
  }
}

}  // namespace zentrova::tool
