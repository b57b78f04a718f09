#pragma once

#include <string>
#include <vector>

#include "program/program.h"

namespace zentrova {

// Appends a link (one final "/" dropped) when it starts with "http"; the session counts as
// changed and the count label is refreshed either way.
void AddDeepLink(Program& program, const std::string& link);
// The same for many links at once (an extraction), with one change notification.
void AddDeepLinks(Program& program, const std::vector<std::string>& links);
// Keeps the first row of every text, in place.
void RemoveDuplicateLinks(Program& program);

// The side tab's buttons and check box. The list changes only while no long activity holds
// the deep-promotion frame, since a run reads its rows by position.
void SelectDeepLink(Program& program, int row);
void RemoveDeepLink(Program& program);
void MoveDeepLinkUp(Program& program);
void MoveDeepLinkDown(Program& program);
void RemoveAllDeepLinks(Program& program);
void ClickDeepPromotionSwitch(Program& program, int value);

// The label beside "Deep Promotion:": follows Check5 of the editing view.
std::string DeepPromotionStatusText(const Program& program);

}  // namespace zentrova
