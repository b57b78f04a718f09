#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// The browser's navigation-completed event: the reply to a submission or the service page.
void OnNavigationCompleted(Program& program, const std::string& url, int httpStatus);
void TakeReply(Program& program, const std::string& url, int httpStatus);
void JudgeReply(Program& program, const std::string& url, int httpStatus);

// The verdict on a reply: its address, its main document's HTTP status (0 when unknown),
// its body text, against the engine's success marker.
bool ReplySucceeded(const std::string& url, int httpStatus, const std::string& bodyText,
                    const std::string& marker);

// What an engine's reply text file holds when its load got no reply: the browser's reason.
std::string NoReplyText(const std::string& failure);

// Name of an engine's reply text file inside LOG: the engine name made safe to stand as one
// file name of that folder, then ".htm".
std::string ReplyTextFileName(const std::string& engineName);
// What the engine's reply text file shows: the reply's text as text (never as markup, with its
// line breaks), after the refusal's HTTP status when there was one; empty when there is
// neither, so the log page links no details.
std::string ReplyTextPage(const std::string& text, int httpStatus);
// Replaces the engine's reply text file by its ReplyTextPage; failures are ignored.
void SaveReplyText(Program& program, const std::string& engineName, const std::string& text,
                   int httpStatus);

}  // namespace zentrova
