#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

bool IsIndexNowEngine(const EngineRecord& engine);
bool IsIndexNowTask(BrowserTask browserTask);

// Submits the page of the engine in process (an IndexNow engine) and its Deep Promotion links
// on the page's host, in requests of at most 10,000 addresses, after the run's key-file check;
// the verdict comes from the answers' HTTP status. Ends by going on to the next submission.
void SubmitToIndexNow(Program& program);
// Drops the request awaited, if any (the run is being stopped).
void CancelIndexNowRequest(Program& program);
// The reply time-out struck while the key file or an engine's answer was awaited.
void OnIndexNowTimeout(Program& program);

// The message that asks whether to submit although the key file check failed.
std::string KeyFileQuestion(const KeyFileCheck& check);

}  // namespace zentrova
