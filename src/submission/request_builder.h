#pragma once

#include <string>

#include "engines/engine_record.h"
#include "program/program.h"
#include "session/session_state.h"

namespace zentrova {

// Expands a value template: "%" and three decimal digits stand for that profile slot; any
// other "%" is kept as it is.
std::string ExpandTemplate(const std::string& valueTemplate, const EngineRecord& engine,
                           const ProfileValues& profile);

// The FORM element for the engine in process (`run.currentEngine`) and the page address in
// process (`run.deepLinkCounter`). Shows that address and the deep link number in the
// progress panel.
std::string BuildSubmissionForm(Program& program);

// The three lines written into the browser: the form between the page's opening and closing
// tags, each line ended by "\n".
std::string SubmissionPage(const std::string& formHtml);
void WriteSubmissionPage(Program& program, const std::string& formHtml);
void SubmitSubmissionPage(Program& program);

}  // namespace zentrova
