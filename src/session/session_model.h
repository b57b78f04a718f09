#pragma once

#include <string>
#include <vector>

#include "program/program.h"

namespace zentrova {

// "Zentrova - " and the session file's path as the window shows it.
std::string WindowCaption(const std::string& sessionPath);
// Document state.
void MarkSessionChanged(Program& program);
// Caption, CurrentSessionFile, the remembered "Initialization"/"Session" value when
// `remember`, and SessionSaved = true.
void SetCurrentSessionFile(Program& program, const std::string& path, bool remember);

// Copies between the editing view (ProfileEditor) and ProfileValues.
void CollectSession(Program& program);
void ShowSession(Program& program);
void ResetProfile(Program& program);

// Edits made in the editing view; a change of text or a click marks the session changed.
void SetBoxText(Program& program, int slot, const std::string& text);
// The editing view's three check boxes by number: "Do not repeat", "No adult", "Deep Promotion".
inline constexpr int kDoNotRepeatBox = 3;
inline constexpr int kAdultBox = 4;
inline constexpr int kDeepPromotionBox = 5;
void ClickCheckBox(Program& program, int checkBox, int value);
// Whether a check box of the editing view is ticked (value 1) right now.
bool CheckBoxTicked(const Program& program, int checkBox);

// The slots that have a profile box, in the order the session copies them.
const std::vector<int>& ProfileBoxSlots();

}  // namespace zentrova
