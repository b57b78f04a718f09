#pragma once

#include <ostream>
#include <string>

#include "submission_json.h"

namespace zentrova::tool {

enum class RunOutputMode {
  kPlain,     // one tab-separated line per submission, for pipes and files
  kTerminal,  // the same lines under a progress line that is redrawn in place
  kJson,      // one JSON object per submission
};

// "engine K of N  ELAPSED  S successful  F failed  ENGINE", cut to fit `width` columns
// (the engine's name gives way first, being last).
std::string ProgressText(int engineNumber, int engineTotal, int elapsedSeconds, int successes,
                         int failures, const std::string& engine, int width);

// What `run` prints while and after it submits.
class RunOutput {
 public:
  RunOutput(std::ostream& out, RunOutputMode mode, int engineTotal, int width);

  // The run went on to the engine numbered `engineNumber` (from 1), called `engine`.
  void EngineStarted(int engineNumber, const std::string& engine);
  // A submission has its verdict; its line follows once the session holds it.
  void Counted(bool successful);
  // A finished submission: `plainLine` for people and pipes, `report` for --json.
  void Print(const SubmissionReport& report, const std::string& plainLine);
  void Tick(int elapsedSeconds);
  // The run is over: the progress line goes away.
  void End();

 private:
  void Redraw();

  std::ostream& out_;
  RunOutputMode mode_;
  int engineTotal_;
  int width_;
  int engineNumber_ = 0;
  std::string engine_;
  int elapsedSeconds_ = 0;
  int successes_ = 0;
  int failures_ = 0;
};

}  // namespace zentrova::tool
