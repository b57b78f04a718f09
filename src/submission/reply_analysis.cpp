#include "submission/reply_analysis.h"

#include <algorithm>

#include "deeppromo/link_extraction.h"
#include "program/replace_file.h"
#include "session/session_commands.h"
#include "submission/html_escape.h"
#include "submission/run_controller.h"
#include "submission/service_status.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

// An address marker's host ends at the first "/" from this 0-based index on, past "http://".
constexpr size_t kHostSearchStart = 8;

bool AddressMatches(const std::string& url, const std::string& marker) {
  size_t length = std::max(url.size(), marker.size());
  const size_t slash = marker.find('/', kHostSearchStart);
  if (slash != std::string::npos) {
    // Compare the scheme, the host and the "/" after it; the path may differ.
    length = std::min(length, slash + 1);
  }
  return url.substr(0, length) == marker.substr(0, length);
}

}  // namespace

void OnNavigationCompleted(Program& program, const std::string& url, int httpStatus) {
  if (url.empty() || ExtractingFromWeb(program)) {
    return;
  }
  if (program.run.browserTask == kServiceStatusRequested) {
    CheckServiceStatus(program, httpStatus);
  } else if (program.run.browserTask == kAwaitingReply) {
    TakeReply(program, url, httpStatus);
  }
}

void TakeReply(Program& program, const std::string& url, int httpStatus) {
  // Taken over before anything else runs, so neither a redirect nor the time-out can take the
  // same submission a second time.
  program.run.browserTask = kReplyTaken;
  ShowRunStep(program, kReplyArrived);
  if (!program.session.saved) {
    SaveSession(program);
  }
  JudgeReply(program, url, httpStatus);
}

bool ReplySucceeded(const std::string& url, int httpStatus, const std::string& bodyText,
                    const std::string& marker) {
  // A refused request is a failure whatever its page or address says.
  if (httpStatus >= kFirstHttpErrorStatus) {
    return false;
  }
  if (marker.compare(0, 4, "http") == 0 && AddressMatches(url, marker)) {
    return true;
  }
  return !bodyText.empty() && bodyText.find(marker) != std::string::npos;
}

void JudgeReply(Program& program, const std::string& url, int httpStatus) {
  const EngineRecord& engine = program.database.Engine(program.run.currentEngine);
  const std::string failure = program.ports.browser->LoadFailure();
  if (!failure.empty()) {
    // The request never reached the engine, whatever an address marker would say; the log
    // page's details then tell the user why.
    SaveReplyText(program, engine.name, NoReplyText(failure), 0);
    FinishSubmission(program, kSubmissionFailed);
    return;
  }
  const std::string bodyText = program.ports.browser->BodyText();
  if (ReplySucceeded(url, httpStatus, bodyText, engine.successMarker)) {
    FinishSubmission(program, kSubmissionSucceeded);
    return;
  }
  SaveReplyText(program, engine.name, bodyText, httpStatus);
  FinishSubmission(program, kSubmissionFailed);
}

std::string NoReplyText(const std::string& failure) {
  return "No reply from the engine: " + failure;
}

std::string ReplyTextFileName(const std::string& engineName) {
  if (engineName == "." || engineName == "..") {
    return "_.htm";
  }
  std::string name = engineName;
  for (char& c : name) {
    if (c == '/' || c == '\0') {
      c = '_';
    }
  }
  // Engine names are the database's code page; the file system names files in UTF-8.
  return Utf8FromWindows1252(name) + ".htm";
}

std::string ReplyTextPage(const std::string& text, int httpStatus) {
  std::string page;
  if (httpStatus >= kFirstHttpErrorStatus) {
    // A refusal whose page says "Thank you" would otherwise leave the user puzzled by the
    // verdict.
    page += "<p>The engine refused the submission with HTTP status " + std::to_string(httpStatus) +
            ".</p>\r\n";
  }
  if (!text.empty()) {
    // The reply's text, not its markup: a "<" in it is shown, never run, and its lines stay
    // lines.
    page += "<pre style=\"white-space: pre-wrap\">" + EscapeHtmlAttribute(text) + "</pre>";
  }
  return Utf8HtmlPage(page);
}

void SaveReplyText(Program& program, const std::string& engineName, const std::string& text,
                   int httpStatus) {
  ReplaceFileBytes(program.folders.LogFolder() + ReplyTextFileName(engineName),
                   ReplyTextPage(text, httpStatus));
}

}  // namespace zentrova
