#include "submission/indexnow_submission.h"

#include <algorithm>

#include "batch/session_batch.h"
#include "session/session_commands.h"
#include "submission/indexnow_protocol.h"
#include "submission/key_file_check.h"
#include "submission/reply_analysis.h"
#include "submission/run_controller.h"

namespace zentrova {

namespace {

constexpr int kAccepted = 202;

void SendIndexNowRequest(Program& program);

EngineRecord& EngineInProcess(Program& program) {
  return program.database.Engine(program.run.currentEngine);
}

std::string NoAnswerReason(const Program& program) {
  return "the reply time-out of " + std::to_string(ReplyTimeoutSeconds(program)) +
         " seconds passed";
}

bool Unattended(const Program& program) {
  return program.run.unattended || BatchRunning(program);
}

void FinishIndexNowEngine(Program& program, bool accepted) {
  EngineRecord& engine = EngineInProcess(program);
  engine.indexNow.recorded = true;
  const ResultCode code = accepted ? kSuccessful : kFailed;
  RecordResult(program, kMainPagePhase, code);
  if (engine.indexNow.contacted && program.run.indexNow.addresses.size() > 1) {
    engine.DeepLinkStatus() = code;
  }
  ShowRunStep(program, kSavingResult);
  NextSubmission(program);
}

void FailWithoutContact(Program& program) {
  const KeyFileCheck& check = program.run.keyFile;
  EngineRecord& engine = EngineInProcess(program);
  engine.indexNow.meaning = "Not sent: the key file check failed (" +
                            (check.address.empty() ? std::string("no address") : check.address) +
                            "): " + check.reason;
  FinishIndexNowEngine(program, false);
}

void TakeIndexNowAnswer(Program& program, const HttpAnswer& answer) {
  RunState& run = program.run;
  run.browserTask = kReplyTaken;
  program.ports.replyTimer->SetEnabled(false);
  ShowRunStep(program, kReplyArrived);
  if (!program.session.saved) {
    SaveSession(program);
  }
  EngineRecord& engine = EngineInProcess(program);
  IndexNowOutcome& outcome = engine.indexNow;
  outcome.contacted = true;
  outcome.addressesSent += run.indexNow.inProcess;
  run.indexNow.next += run.indexNow.inProcess;
  run.indexNow.keyNotVerified = run.indexNow.keyNotVerified || answer.status == kAccepted;
  IndexNowVerdict verdict = JudgeIndexNowAnswer(answer);
  outcome.httpStatus = answer.status;
  if (verdict.accepted && run.indexNow.next < run.indexNow.addresses.size()) {
    SendIndexNowRequest(program);
    return;
  }
  if (verdict.accepted && run.indexNow.keyNotVerified) {
    // One request of several answered 202: the key is still to be verified for all of them.
    outcome.httpStatus = kAccepted;
    verdict = JudgeIndexNowAnswer(HttpAnswer{kAccepted, "", ""});
  }
  outcome.meaning = verdict.meaning;
  if (!verdict.accepted) {
    // The log page names the answer's status already.
    SaveReplyText(program, engine.name, answer.body, 0);
  }
  FinishIndexNowEngine(program, verdict.accepted);
}

void StartIndexNowRequests(Program& program) {
  const EngineRecord& engine = EngineInProcess(program);
  const std::vector<std::string> none;
  const bool withLinks = DeepPromotionFollows(program, engine);
  IndexNowAddresses selected = SelectIndexNowAddresses(
      program.session.profile[kPageAddress], withLinks ? program.deepPromotion.links : none);
  EngineInProcess(program).indexNow.leftOut = std::move(selected.leftOut);
  IndexNowRequests& requests = program.run.indexNow;
  requests.addresses = std::move(selected.sent);
  requests.next = 0;
  requests.inProcess = 0;
  requests.keyNotVerified = false;
  SendIndexNowRequest(program);
}

void ConcludeKeyFileCheck(Program& program, bool found, const std::string& reason) {
  KeyFileCheck& check = program.run.keyFile;
  program.run.browserTask = kReplyTaken;
  program.ports.replyTimer->SetEnabled(false);
  check.reason = reason;
  if (found) {
    check.result = kKeyFileFound;
  } else if (Unattended(program)) {
    check.result = kKeyFileRefused;
  } else {
    const MessageAnswer answer = program.ports.dialogs->ShowMessage(
        KeyFileQuestion(check), MessageButtons::YesNo, MessageIcon::Exclamation, kAppTitle);
    check.result = answer == MessageAnswer::Yes ? kKeyFileOverridden : kKeyFileRefused;
  }
  if (check.result == kKeyFileRefused) {
    FailWithoutContact(program);
  } else {
    StartIndexNowRequests(program);
  }
}

void StartKeyFileCheck(Program& program) {
  RunState& run = program.run;
  run.browserTask = kKeyFileRequested;
  ArmReplyTimeout(program);
  const unsigned number = ++run.indexNow.requestNumber;
  const HttpClient::RequestId request = CheckKeyFile(
      *program.ports.http, {run.keyFile.key, run.keyFile.address},
      [&program, number](const KeyFileVerdict& verdict) {
        const RunState& now = program.run;
        if (now.browserTask == kKeyFileRequested && now.indexNow.requestNumber == number) {
          ConcludeKeyFileCheck(program, verdict.found, verdict.reason);
        }
      });
  // A key judged at once has already led on, perhaps to a request of its own.
  if (request != 0) {
    run.indexNow.pendingRequest = request;
  }
}

void SendIndexNowRequest(Program& program) {
  RunState& run = program.run;
  IndexNowRequests& requests = run.indexNow;
  const EngineRecord& engine = EngineInProcess(program);
  const std::string& page = program.session.profile[kPageAddress];
  const auto host = ParseWebAddress(page);
  requests.inProcess = std::min(kMaxIndexNowAddresses, requests.addresses.size() - requests.next);
  const std::string body =
      IndexNowBody(host ? host->host : std::string(), run.keyFile.key, run.keyFile.address,
                   requests.addresses, requests.next, requests.inProcess);
  program.progress.linkInProcess = requests.addresses[requests.next];
  program.progress.deepLinkCount = std::to_string(requests.addresses.size() - 1);
  run.browserTask = kIndexNowAnswerAwaited;
  ArmReplyTimeout(program);
  ShowRunStep(program, kSubmitting);
  const unsigned number = ++requests.requestNumber;
  requests.pendingRequest = program.ports.http->Send(
      HttpRequest{"POST", engine.actionUrl, kIndexNowContentType, body},
      [&program, number](const HttpAnswer& answer) {
        const RunState& now = program.run;
        if (now.browserTask != kIndexNowAnswerAwaited || now.indexNow.requestNumber != number) {
          return;
        }
        TakeIndexNowAnswer(program, answer);
      });
}

}  // namespace

bool IsIndexNowEngine(const EngineRecord& engine) {
  return engine.protocol == kIndexNowProtocol;
}

bool IsIndexNowTask(BrowserTask browserTask) {
  return browserTask == kKeyFileRequested || browserTask == kIndexNowAnswerAwaited;
}

std::string KeyFileQuestion(const KeyFileCheck& check) {
  return std::string("The IndexNow key file check failed.") + kCrLf + kCrLf +
         "Key file: " + (check.address.empty() ? std::string("(no address)") : check.address) +
         kCrLf + "Reason: " + check.reason + kCrLf + kCrLf +
         "IndexNow engines refuse submissions whose key they cannot verify. Submit to the "
         "IndexNow engines anyway?";
}

void SubmitToIndexNow(Program& program) {
  EngineRecord& engine = EngineInProcess(program);
  engine.indexNow = {};
  engine.replyTimedOut = false;
  engine.DeepLinkStatus() = kNotSubmitted;
  const KeyFileTarget target = ProfileKeyFile(program.session.profile);
  KeyFileCheck& check = program.run.keyFile;
  if (check.result == kKeyFileUnchecked || check.key != target.key ||
      check.address != target.address) {
    check = KeyFileCheck{kKeyFileUnchecked, target.key, target.address, ""};
    StartKeyFileCheck(program);
  } else if (check.result == kKeyFileRefused) {
    FailWithoutContact(program);
  } else {
    StartIndexNowRequests(program);
  }
}

void CancelIndexNowRequest(Program& program) {
  if (IsIndexNowTask(program.run.browserTask)) {
    program.ports.http->Cancel(program.run.indexNow.pendingRequest);
  }
}

void OnIndexNowTimeout(Program& program) {
  CancelIndexNowRequest(program);
  const HttpAnswer none{0, "", NoAnswerReason(program)};
  if (program.run.browserTask == kKeyFileRequested) {
    ConcludeKeyFileCheck(program, false, "no answer: " + none.reason);
  } else {
    EngineInProcess(program).replyTimedOut = true;
    TakeIndexNowAnswer(program, none);
  }
}

}  // namespace zentrova
