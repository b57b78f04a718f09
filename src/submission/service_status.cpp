#include "submission/service_status.h"

#include <array>

#include "engines/engine_lists.h"
#include "submission/queue_marks.h"
#include "submission/run_controller.h"

namespace zentrova {
namespace {

constexpr char kUpgradeNotice[] =
    "You have the old version of the program, please download the latest upgrade from our Web "
    "Site.";
constexpr char kUnsupportedNotice[] =
    "You have old version of program, please download latest version from our Web Site.";
constexpr size_t kFillerLength = 20;
constexpr size_t kShortestFilledText = 22;

// Key codes below 32 keep every printable character of the page printable (except that 0x7F
// can appear), which is what lets the service send its text as an ordinary page.
constexpr std::array<unsigned char, 7> kServiceKey{0x11, 0x05, 0x1A, 0x0C, 0x1E, 0x09, 0x16};

// Unmarks every queued row whose engine name the service lists between commas.
void WithdrawListedEngines(Program& program, const std::string& list) {
  SortedList& engines = program.engineLists.engineList;
  for (int row = engines.Count() - 1; row >= 0; --row) {
    if (engines.Row(row).marked &&
        list.find("," + engines.Row(row).text + ",") != std::string::npos) {
      UnmarkQueueRow(program, row);
    }
  }
  UpdateQueueStatus(program);
}

}  // namespace

std::string ApplyServiceKey(const std::string& text) {
  std::string result = text;
  for (size_t i = 0; i < result.size(); ++i) {
    result[i] = static_cast<char>(static_cast<unsigned char>(result[i]) ^
                                  kServiceKey[i % kServiceKey.size()]);
  }
  return result;
}

std::string DecipherServiceText(const std::string& text) {
  if (text.size() < kShortestFilledText) {
    return ApplyServiceKey(text);
  }
  return ApplyServiceKey(text.substr(0, text.size() - kFillerLength));
}

void CheckServiceStatus(Program& program, int httpStatus) {
  program.run.browserTask = kReplyTaken;
  program.ports.replyTimer->SetEnabled(false);
  const Browser& browser = *program.ports.browser;
  const bool answered = browser.LoadFailure().empty() && httpStatus < kFirstHttpErrorStatus;
  const std::string status = answered ? DecipherServiceText(browser.BodyText()) : std::string();
  Dialogs& dialogs = *program.ports.dialogs;
  if (!status.empty() && status.front() == 'W') {
    dialogs.ShowMessage(kUpgradeNotice, MessageButtons::Ok, MessageIcon::Information, kAppTitle);
    SetBusyControls(program, kRegistrationActivity, false);
    PutProgressPanelAtRest(program);
    return;
  }
  if (!status.empty() && status.front() == 'S') {
    dialogs.ShowMessage(kUnsupportedNotice, MessageButtons::Ok, MessageIcon::Information,
                        kAppTitle);
    program.ports.exitProgram();
    return;
  }
  const size_t separator = status.find(';');
  if (separator != std::string::npos) {
    WithdrawListedEngines(program, status.substr(separator + 1));
  }
  program.run.deepLinkCounter = 0;
  NextSubmission(program);
}

}  // namespace zentrova
