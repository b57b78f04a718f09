#include "web_program.h"

#include "event_wait.h"

#include "program/wiring.h"
#include "submission/run_controller.h"

namespace zentrova::testing {

WebProgram::WebProgram() {
  program.ports.http = &http;
  AttachRunPorts(program, browser, clock, replyTimer, clockTimer);
  program.session.currentFile = test.AppPath("SESSIONS/e2e.ses");
}

int WebProgram::AddEngine(const EngineDefinition& definition, bool queued) {
  EngineRecord engine;
  engine.name = definition.name;
  engine.actionUrl = definition.actionUrl;
  engine.method = definition.method;
  engine.successMarker = definition.successMarker;
  engine.kind = definition.kind;
  engine.protocol = definition.protocol;
  for (const auto& [name, valueTemplate] : definition.fields) {
    ++engine.fieldCount;
    engine.fieldNames[engine.fieldCount] = name;
    engine.fieldValues[engine.fieldCount] = valueTemplate;
  }
  SubmissionDatabase& database = program.database;
  const int slot = database.AddEngine(engine);
  SortedList& list = program.engineLists.engineList;
  list.SetMarked(list.Add(definition.name, slot), queued);
  return slot;
}

bool WebProgram::RunOnlineRegistration(int waitMilliseconds) {
  StartOnlineRegistration(program);
  return RunEventsUntil([this] { return program.busy.runRegistration; }, waitMilliseconds);
}

}  // namespace zentrova::testing
