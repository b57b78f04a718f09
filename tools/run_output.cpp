#include "run_output.h"

namespace zentrova::tool {

namespace {

// Back to the line's start and clear it, so a redrawn progress line leaves nothing behind.
constexpr char kClearLine[] = "\r\x1b[K";

std::string Elapsed(int seconds) {
  const int hours = seconds / 3600;
  const int minutes = seconds / 60 % 60;
  std::string out = hours > 0 ? std::to_string(hours) + ":" : "";
  out += (hours > 0 && minutes < 10 ? "0" : "") + std::to_string(minutes) + ":";
  out += (seconds % 60 < 10 ? "0" : "") + std::to_string(seconds % 60);
  return out;
}

// Cuts UTF-8 text to at most `columns` characters, never inside a character.
std::string Fitted(const std::string& text, int columns) {
  int count = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && count++ == columns) {
      return text.substr(0, i);
    }
  }
  return text;
}

}  // namespace

std::string ProgressText(int engineNumber, int engineTotal, int elapsedSeconds, int successes,
                         int failures, const std::string& engine, int width) {
  const std::string text = "engine " + std::to_string(engineNumber) + " of " +
                           std::to_string(engineTotal) + "  " + Elapsed(elapsedSeconds) + "  " +
                           std::to_string(successes) + " successful  " + std::to_string(failures) +
                           " failed  " + engine;
  // The last column stays free: a terminal that wraps there would push the line down.
  return Fitted(text, width - 1);
}

RunOutput::RunOutput(std::ostream& out, RunOutputMode mode, int engineTotal, int width)
    : out_(out), mode_(mode), engineTotal_(engineTotal), width_(width) {}

void RunOutput::EngineStarted(int engineNumber, const std::string& engine) {
  engineNumber_ = engineNumber;
  engine_ = engine;
  Redraw();
}

void RunOutput::Counted(bool successful) {
  ++(successful ? successes_ : failures_);
  Redraw();
}

void RunOutput::Print(const SubmissionReport& report, const std::string& plainLine) {
  if (mode_ == RunOutputMode::kJson) {
    out_ << SubmissionJson(report) << '\n' << std::flush;
    return;
  }
  if (mode_ == RunOutputMode::kTerminal) {
    out_ << kClearLine;
  }
  out_ << plainLine << '\n';
  Redraw();
  out_ << std::flush;
}

void RunOutput::Tick(int elapsedSeconds) {
  elapsedSeconds_ = elapsedSeconds;
  Redraw();
}

void RunOutput::End() {
  if (mode_ == RunOutputMode::kTerminal) {
    out_ << kClearLine << std::flush;
  }
}

void RunOutput::Redraw() {
  if (mode_ != RunOutputMode::kTerminal || engineNumber_ == 0) {
    return;
  }
  out_ << kClearLine
       << ProgressText(engineNumber_, engineTotal_, elapsedSeconds_, successes_, failures_, engine_,
                       width_)
       << std::flush;
}

}  // namespace zentrova::tool
