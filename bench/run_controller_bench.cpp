// Runs an online registration over 500 queued engines with 25 deep links each against a
// browser that answers every submission at once, and prints the core's own cost per
// submission with the session written after each reply as a real run writes it, and what of
// that cost is the save.
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "program/program.h"
#include "program/wiring.h"
#include "submission/run_controller.h"
#include "tool_program.h"

namespace {

using namespace zentrova;

constexpr int kEngineCount = 500;
constexpr int kDeepLinkCount = 25;

class InstantBrowser : public Browser {
 public:
  void Submit(const FormRequest& request) override {
    sentBytes += request.fields.size();
    ++submissions;
    replyDue = true;
  }
  void Navigate(const std::string&) override {}
  void Stop() override {}
  std::string BodyText() const override { return "Thank you for your submission."; }
  std::vector<std::string> Links() const override { return {}; }
  std::vector<FormElement> FirstFormElements() const override { return {}; }
  std::string PageSource() const override { return {}; }
  std::string LoadFailure() const override { return {}; }
  void PasteIntoFocusedElement(const std::string&) override {}

  bool replyDue = false;
  long submissions = 0;
  size_t sentBytes = 0;
};

void FillQueue(Program& program) {
  for (int i = 0; i < kEngineCount; ++i) {
    EngineRecord engine;
    engine.name = "Engine " + std::to_string(1000 + i);
    engine.kind = kSearchEngine;
    engine.homeUrl = "http://engine" + std::to_string(i) + ".test/";
    engine.actionUrl = engine.homeUrl + "add";
    engine.successMarker = "Thank you";
    const char* templates[] = {"%001", "%002", "%011", "%012", "%036", "%010 <%011>"};
    for (const char* valueTemplate : templates) {
      ++engine.fieldCount;
      engine.fieldNames[static_cast<size_t>(engine.fieldCount)] =
          "field" + std::to_string(engine.fieldCount);
      engine.fieldValues[static_cast<size_t>(engine.fieldCount)] = valueTemplate;
    }
    const int slot = program.database.AddEngine(engine);
    const int row = program.engineLists.engineList.Add(engine.name, slot);
    program.engineLists.engineList.SetMarked(row, true);
    program.reports.statusList.Add(engine.name, slot);
  }
  for (int i = 1; i <= kDeepLinkCount; ++i) {
    program.deepPromotion.links.push_back("http://my.site/page" + std::to_string(i) + ".htm");
  }
  ProfileEditor& editor = program.session.editor;
  editor.boxText[kPageAddress] = "http://my.site/";
  editor.boxText[kSiteTitle] = "My Site & Shop";
  editor.boxText[kFullName] = "Pat Example";
  editor.boxText[kEmail] = "pat@my.site";
  editor.boxText[kSiteDescription] = "Fine hand-made things from a small \"workshop\".";
  editor.check5 = kChecked;
}

struct Figures {
  long submissions = 0;
  double microsecondsPerSubmission = 0;
};

// One whole run over the queue; `sessionFile` empty: the session has no file, so the save
// after each reply finds no name and writes nothing.
Figures TimeRun(const std::string& sessionFile) {
  InstantBrowser browser;
  // A headless program in a folder of its own: questions answered Yes (a file name, when
  // asked for one, is never chosen), timers that never fire.
  tool::ToolProgram tool;
  tool.EchoMessages(false);
  Program& program = tool.program;
  program.ports.browser = &browser;
  ConnectPorts(program);
  program.run.serviceChecked = true;
  FillQueue(program);
  if (!sessionFile.empty()) {
    program.session.currentFile = program.folders.appFolder + sessionFile;
  }

  const auto start = std::chrono::steady_clock::now();
  StartOnlineRegistration(program);
  // The event loop: each reply is delivered once the submission that asked for it returned.
  while (browser.replyDue) {
    browser.replyDue = false;
    browser.events.navigationCompleted("http://reply.test/thanks", 200);
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  const double microseconds = std::chrono::duration<double, std::micro>(elapsed).count();
  return {browser.submissions, microseconds / static_cast<double>(browser.submissions)};
}

}  // namespace

int main() {
  const Figures saving = TimeRun("SESSIONS/bench.ses");
  const Figures notSaving = TimeRun("");
  const long expected = static_cast<long>(kEngineCount) * (1 + kDeepLinkCount);
  std::printf("engines %d, deep links each %d, submissions %ld (expected %ld)\n", kEngineCount,
              kDeepLinkCount, saving.submissions, expected);
  std::printf("core cost per submission, session saved after each reply: %.1f us\n",
              saving.microsecondsPerSubmission);
  std::printf(
      "  of which the session save: %.1f us (the same run without a session file: %.1f us)\n",
      saving.microsecondsPerSubmission - notSaving.microsecondsPerSubmission,
      notSaving.microsecondsPerSubmission);
  return saving.submissions == expected && notSaving.submissions == expected ? 0 : 1;
}
