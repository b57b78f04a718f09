#include "session/session_model.h"

#include "engines/categories.h"
#include "submission/keyword_text.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

constexpr char kSessionSection[] = "Initialization";
constexpr char kSessionKey[] = "Session";
constexpr char kTicked[] = "1";
constexpr int kKeywordTextLimit = 80;

int& CheckBox(ProfileEditor& editor, int checkBox) {
  switch (checkBox) {
    case 3:
      return editor.check3;
    case 4:
      return editor.check4;
    default:
      return editor.check5;
  }
}

int CheckBoxSlot(int checkBox) {
  switch (checkBox) {
    case 3:
      return kSkipRegistered;
    case 4:
      return kAdultContent;
    default:
      return kDeepPromotionActive;
  }
}

constexpr int kCheckBoxes[] = {3, 4, 5};

}  // namespace

std::string WindowCaption(const std::string& sessionPath) {
  return std::string(kAppTitle) + " - " + PathText(sessionPath);
}

void MarkSessionChanged(Program& program) {
  program.session.saved = false;
}

void SetCurrentSessionFile(Program& program, const std::string& path, bool remember) {
  program.window.caption = WindowCaption(path);
  program.session.currentFile = path;
  if (remember) {
    program.ports.settings->Set(kSessionSection, kSessionKey, path);
  }
  program.session.saved = true;
  program.views.Changed(View::Caption);
}

const std::vector<int>& ProfileBoxSlots() {
  static const std::vector<int> slots{1,  2,  4,  5,  8,  9,  11, 12, 22, 23, 24, 25, 26, 27,
                                      28, 29, 30, 31, 33, 34, 35, 86, 77, 78, 79, 99, 40, 41};
  return slots;
}

void CollectSession(Program& program) {
  ProfileValues& profile = program.session.profile;
  const ProfileEditor& editor = program.session.editor;
  for (int slot : ProfileBoxSlots()) {
    profile[slot] = editor.boxText[slot];
  }
  for (int checkBox : kCheckBoxes) {
    // A grey box is not a ticked one.
    profile[CheckBoxSlot(checkBox)] = CheckBoxTicked(program, checkBox) ? kTicked : "";
  }
  profile[kFullName] = editor.boxText[kFirstName] + " " + editor.boxText[kLastName];
  profile[kKeywordText] = BuildKeywordText(kKeywordTextLimit, profile[26], profile[27], profile[28],
                                           profile[29], profile[30], profile[31]);
  StoreCategories(program);
}

void ShowSession(Program& program) {
  // Through the same path as typing, so that a box the loaded profile changes counts as an
  // edit; the callers that show a freshly loaded session declare it saved afterwards.
  for (int slot : ProfileBoxSlots()) {
    SetBoxText(program, slot, program.session.profile[slot]);
  }
  for (int checkBox : kCheckBoxes) {
    const int value =
        program.session.profile[CheckBoxSlot(checkBox)] == kTicked ? kChecked : kUnchecked;
    if (CheckBox(program.session.editor, checkBox) != value) {
      ClickCheckBox(program, checkBox, value);
    }
  }
  RestoreCategories(program);
  program.views.Changed(View::Profile);
}

void ResetProfile(Program& program) {
  ProfileValues& profile = program.session.profile;
  for (std::string& slot : profile) {
    slot.clear();
  }
  profile[kPageAddress] = "http://";
  profile[81] = kTicked;
  profile[kSkipRegistered] = kTicked;
}

void SetBoxText(Program& program, int slot, const std::string& text) {
  if (slot < 1 || slot > kProfileSlotCount) {
    return;
  }
  std::string& box = program.session.editor.boxText[slot];
  if (box == text) {
    return;
  }
  box = text;
  MarkSessionChanged(program);
  program.views.Changed(View::Profile);
}

void ClickCheckBox(Program& program, int checkBox, int value) {
  if (checkBox < 3 || checkBox > 5) {
    return;
  }
  CheckBox(program.session.editor, checkBox) = value;
  MarkSessionChanged(program);
  program.views.Changed(View::Profile);
}

bool CheckBoxTicked(const Program& program, int checkBox) {
  const ProfileEditor& editor = program.session.editor;
  switch (checkBox) {
    case 3:
      return editor.check3 == kChecked;
    case 4:
      return editor.check4 == kChecked;
    case 5:
      return editor.check5 == kChecked;
    default:
      return false;
  }
}

}  // namespace zentrova
