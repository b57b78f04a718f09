#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program/wiring.h"
#include "submission/run_controller.h"
#include "support/test_program.h"

namespace zentrova::testing {

// A program with a database built in place, its engine list filled and the ports connected
// as the real program connects them. The service page counts as checked and going online as
// confirmed, unless a test says otherwise.
class RunFixture : public ::testing::Test {
 protected:
  RunFixture() {
    ConnectPorts(program);
    program.run.serviceChecked = true;
    program.run.onlineConfirmed = true;
    program.session.currentFile = AppPath("SESSIONS/run.ses");
    program.database.engineSlotCount = 0;
  }

  // Adds an engine whose one field carries the page address and whose marker is a text.
  int AddEngine(const std::string& name, int kind = kSearchEngine, bool queued = true) {
    EngineRecord engine;
    engine.name = name;
    engine.kind = kind;
    engine.homeUrl = "http://" + name + ".test/";
    engine.actionUrl = "http://" + name + ".test/add";
    engine.fieldCount = 1;
    engine.fieldNames[1] = "url";
    engine.fieldValues[1] = "%001";
    engine.successMarker = "Thank you";
    const int slot = program.database.AddEngine(engine);
    const int row = program.engineLists.engineList.Add(name, slot);
    program.engineLists.engineList.SetMarked(row, queued);
    program.reports.statusList.Add(name, slot);
    return slot;
  }
  EngineRecord& Engine(int slot) { return program.database.Engine(slot); }

  void Reply(const std::string& text, int status = 200,
             const std::string& url = "http://reply.test/") {
    t.browser.CompleteNavigation(url, text, status);
  }
  // Answers every submission with the same page until the run stops waiting.
  void ReplyToAll(const std::string& text) {
    while (program.run.browserTask == kAwaitingReply) {
      Reply(text);
    }
  }

  // Whom each submission went to (AddEngine's action host names the engine) and the "url"
  // field it carried.
  std::vector<std::string> SubmittedEngines() const {
    std::vector<std::string> names;
    for (const FormRequest& request : t.browser.submissions) {
      const std::string& action = request.action;
      names.push_back(action.substr(7, action.find(".test/") - 7));
    }
    return names;
  }
  std::vector<std::string> SubmittedAddresses() const {
    std::vector<std::string> addresses;
    for (const FormRequest& request : t.browser.submissions) {
      addresses.push_back(FieldValue(request.fields, "url"));
    }
    return addresses;
  }
  bool Queued(int slot) const {
    const SortedList& list = program.engineLists.engineList;
    return list.Row(list.FindData(slot)).marked;
  }
  std::string ReplyFile(const std::string& name) const {
    return KeptReplyText(ReadFileBytes(AppPath("LOG/" + name + ".htm")));
  }
  bool ReplyFileExists(const std::string& name) const {
    return std::filesystem::exists(AppPath("LOG/" + name + ".htm"));
  }
  std::string AppPath(const std::string& relative) const { return t.AppPath(relative); }

  TestProgram t;
  Program& program = t.program;
};

}  // namespace zentrova::testing
