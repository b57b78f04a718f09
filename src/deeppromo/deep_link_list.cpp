#include "deeppromo/deep_link_list.h"

#include <algorithm>
#include <utility>

#include "engines/engine_lists.h"
#include "program/chosen_row.h"
#include "session/session_model.h"
#include "text/ascii_case.h"

namespace zentrova {

namespace {

bool StartsWithHttp(const std::string& link) {
  if (link.size() < 4) {
    return false;
  }
  return AsciiLowercase(std::string_view(link).substr(0, 4)) == "http";
}

bool ListUnlocked(const Program& program) {
  return program.busy.deepPromotionFrame;
}

int RowCount(const Program& program) {
  return static_cast<int>(program.deepPromotion.links.size());
}

void ListChanged(Program& program) {
  MarkSessionChanged(program);
  UpdateQueueStatus(program);
  program.views.Changed(View::DeepLinks);
}

// A move changes no count: the queue status stays as it is.
void MoveDeepLink(Program& program, int step) {
  DeepPromotionState& deep = program.deepPromotion;
  if (ListUnlocked(program) && MoveChosenRow(deep.links, deep.currentRow, step)) {
    MarkSessionChanged(program);
    program.views.Changed(View::DeepLinks);
  }
}

}  // namespace

void AddDeepLink(Program& program, const std::string& link) {
  AddDeepLinks(program, {link});
}

void AddDeepLinks(Program& program, const std::vector<std::string>& links) {
  if (links.empty()) {
    return;
  }
  for (const std::string& link : links) {
    if (!StartsWithHttp(link) || RowCount(program) >= kMaxDeepLinks) {
      continue;
    }
    std::string text = link;
    if (text.back() == '/') {
      text.pop_back();
    }
    program.deepPromotion.links.push_back(std::move(text));
  }
  ListChanged(program);
}

void RemoveDuplicateLinks(Program& program) {
  auto& links = program.deepPromotion.links;
  for (size_t i = links.size(); i-- > 1;) {
    if (std::find(links.begin(), links.begin() + static_cast<std::ptrdiff_t>(i), links[i]) !=
        links.begin() + static_cast<std::ptrdiff_t>(i)) {
      links.erase(links.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  auto& current = program.deepPromotion.currentRow;
  if (current >= RowCount(program)) {
    current = RowCount(program) - 1;
  }
  // Refreshed here rather than left to the next add or remove, so the label never counts
  // rows that were just dropped.
  UpdateQueueStatus(program);
  program.views.Changed(View::DeepLinks);
}

void SelectDeepLink(Program& program, int row) {
  ChooseRow(program.deepPromotion.links, program.deepPromotion.currentRow, row);
  program.views.Changed(View::DeepLinks);
}

void RemoveDeepLink(Program& program) {
  DeepPromotionState& deep = program.deepPromotion;
  if (ListUnlocked(program) && RemoveChosenRow(deep.links, deep.currentRow)) {
    ListChanged(program);
  }
}

void MoveDeepLinkUp(Program& program) {
  MoveDeepLink(program, -1);
}

void MoveDeepLinkDown(Program& program) {
  MoveDeepLink(program, 1);
}

void RemoveAllDeepLinks(Program& program) {
  if (!ListUnlocked(program) || RowCount(program) == 0) {
    return;
  }
  const MessageAnswer answer =
      program.ports.dialogs->ShowMessage("Do you want to remove all links from the list?",
                                         MessageButtons::YesNo, MessageIcon::Question, kAppTitle);
  if (answer == MessageAnswer::Yes) {
    program.deepPromotion.links.clear();
    program.deepPromotion.currentRow = -1;
  }
  ListChanged(program);
}

void ClickDeepPromotionSwitch(Program& program, int value) {
  ClickCheckBox(program, kDeepPromotionBox, value);
  program.views.Changed(View::DeepLinks);
}

std::string DeepPromotionStatusText(const Program& program) {
  return CheckBoxTicked(program, kDeepPromotionBox) ? "Activated" : "Deactivated";
}

}  // namespace zentrova
