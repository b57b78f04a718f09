#include "submission/log_pages.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "program/replace_file.h"
#include "submission/html_escape.h"
#include "submission/reply_analysis.h"
#include "submission/run_controller.h"
#include "text/code_page.h"

namespace zentrova {
namespace {

// The engine of the status list's current row, or nothing.
const EngineRecord* SelectedEngine(const Program& program) {
  const SortedList& list = program.reports.statusList;
  const int row = list.CurrentRow();
  if (row < 0 || row >= list.Count()) {
    return nullptr;
  }
  const int slot = list.Row(row).data;
  if (slot < 1 || slot > program.database.EngineCount()) {
    return nullptr;
  }
  return &program.database.Engine(slot);
}

// A relative link must not read "%", "#" or "?" of a file name as address syntax, a ":" as the
// end of a scheme, or a "\\" as a folder separator.
std::string RelativeLink(const std::string& fileName) {
  std::string link;
  for (const char c : fileName) {
    if (c == '%' || c == '#' || c == '?' || c == ':' || c == '\\') {
      static constexpr char kHex[] = "0123456789ABCDEF";
      const auto byte = static_cast<unsigned char>(c);
      link += '%';
      link += kHex[byte >> 4];
      link += kHex[byte & 0x0F];
    } else {
      link += c;
    }
  }
  return EscapeHtmlAttribute(link);
}

void AddLine(std::string& page, const std::string& line) {
  page += line;
  page += kCrLf;
}

void AddRunTimes(std::string& page, const EngineRecord& engine) {
  AddLine(page, EscapeHtmlAttribute(engine.runDate));
  AddLine(page, "<p>Started at " + EscapeHtmlAttribute(engine.startedAt));
  AddLine(page, "<p>Finished at " + EscapeHtmlAttribute(engine.finishedAt));
}

// What the IndexNow engine answered, how many addresses went, and which links stayed behind.
void AddIndexNowOutcome(std::string& page, const EngineRecord& engine) {
  const IndexNowOutcome& outcome = engine.indexNow;
  if (!outcome.recorded) {
    return;
  }
  if (outcome.contacted) {
    const std::string status =
        outcome.httpStatus != 0 ? "HTTP " + std::to_string(outcome.httpStatus) : "none";
    AddLine(page, "<p>IndexNow answer: " + status + " - " + EscapeHtmlAttribute(outcome.meaning));
    AddLine(page, "<p>Addresses sent: " + std::to_string(outcome.addressesSent));
  } else {
    AddLine(page, "<p>" + EscapeHtmlAttribute(outcome.meaning));
  }
  if (!outcome.leftOut.empty()) {
    AddLine(page, "<p>Left out, not on the page's host (" + std::to_string(outcome.leftOut.size()) +
                      "):");
    for (const std::string& link : outcome.leftOut) {
      AddLine(page, "<br>" + EscapeHtmlAttribute(link));
    }
  }
}

// No reply means no reply text: a kept one is an earlier failure's and is not linked.
void AddTimeoutExplanation(std::string& page, const Program& program) {
  AddLine(page, "<p>No reply came from this site within the time-out of " +
                    std::to_string(ReplyTimeoutSeconds(program)) +
                    " seconds, so the submission counts as failed. The site may be down or "
                    "overloaded, or the connection too slow at the time. Please wait several "
                    "hours and attempt your submission to this site again.</p>");
}

void AddFailureExplanation(std::string& page, const Program& program, const EngineRecord& engine) {
  const std::string replyFile = ReplyTextFileName(engine.name);
  if (FileLength(program.folders.LogFolder() + replyFile) >= 1) {
    AddLine(page, "<p align=right><a href=\"" + RelativeLink(PathText(replyFile)) +
                      "\">More Details ...</a>");
  }
  AddLine(page,
          "<p>This can occur for a variety of reasons including server failure, network "
          "traffic or site changes. Please wait several hours and attempt your submission to "
          "this site again. If this site fails repeatedly, please use the <b>Tech Support</b> "
          "button on the Session screen to file a report so we can update this interface.</p>");
}

std::string LogPageText(const Program& program, const EngineRecord* engine) {
  std::string page;
  AddLine(page, "<html><center>");
  const std::optional<ResultCode> status =
      engine != nullptr ? std::optional(engine->RegistrationStatus()) : std::nullopt;
  if (status == kNotSubmitted) {
    AddLine(page, "<b>You did not Choose this Site for Submission</b><p>");
    AddLine(page, engine->specialized
                      ? "Another possible reason: it was automatically excluded because it only "
                        "accepts submissions for specific types of sites. You may have to "
                        "manually choose this site for the queue if this is the case."
                      : "This site was not chosen by you in the <b>Select Engines</b> screen");
    AddLine(page, "<p>Click on <b>Select Type</b> to see Summary Report");
  } else if (status == kSuccessful) {
    AddLine(page, "<b>Your Page Was Successfully Submitted to this Site</b><p>Date :");
    AddRunTimes(page, *engine);
    AddIndexNowOutcome(page, *engine);
    AddLine(page,
            "<p>Depending on the site, it may take several weeks for new submissions to be "
            "posted. Click on the <b>Go to Search Engine</b> button to search this site.</p>");
  } else if (status == kFailed) {
    AddLine(page, "<b>Submission to this Site Failed</b><p>Date :");
    AddRunTimes(page, *engine);
    AddIndexNowOutcome(page, *engine);
    if (engine->replyTimedOut) {
      AddTimeoutExplanation(page, program);
    } else {
      AddFailureExplanation(page, program, *engine);
    }
  }
  AddLine(page, "</html>");
  return page;
}

}  // namespace

void UpdateGoToEngineButton(Program& program) {
  const EngineRecord* engine = SelectedEngine(program);
  program.reports.goToEngineEnabled =
      program.busy.goToEngineAllowed && engine != nullptr && !engine->homeUrl.empty();
  program.views.Changed(View::Report);
}

void ShowLogPage(Program& program) {
  UpdateGoToEngineButton(program);
  const std::string path = program.folders.LogFolder() + kLogPageFile;
  ReplaceFileBytes(path, Utf8HtmlPage(LogPageText(program, SelectedEngine(program))));
  program.reports.viewedPage = path;
  program.views.Changed(View::Report);
}

std::int64_t FileLength(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(path, error);
  if (error || !std::filesystem::is_regular_file(status)) {
    return 0;
  }
  const auto length = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::int64_t>(length);
}

}  // namespace zentrova
