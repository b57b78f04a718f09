#include "deeppromo/link_dialog.h"

#include <algorithm>
#include <cctype>

#include "deeppromo/deep_link_list.h"
#include "session/file_dialogs.h"

namespace zentrova {

namespace {

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) ==
                  std::tolower(static_cast<unsigned char>(b));
         });
}

void DialogChanged(Program& program) {
  program.views.Changed(View::DeepLinks);
}

}  // namespace

std::string WithWebScheme(const std::string& text) {
  if (StartsWithNoCase(text, "http://") || StartsWithNoCase(text, "https://")) {
    return text;
  }
  return "http://" + text;
}

LinkDialogControls LinkDialogEnabled(const Program& program) {
  const int active = program.deepPromotion.dialog.activeFrame;
  // Frames that change the list wait while another long activity holds it.
  const bool listFree = program.busy.deepPromotionFrame;
  LinkDialogControls controls;
  controls.typeLinkFrame = active == kTypeLinkFrame && listFree;
  controls.localFileFrame = active == kLocalFileFrame && listFree;
  controls.webSiteFrame = active == kWebSiteFrame;
  controls.webExtract = active == kWebSiteFrame && program.busy.extractFromWeb;
  controls.stop = program.busy.extractStop;
  return controls;
}

void ShowLinkDialog(Program& program) {
  auto& dialog = program.deepPromotion.dialog;
  if (!dialog.loaded) {
    dialog.loaded = true;
    SetFrame(program, kTypeLinkFrame);
  }
  dialog.visible = true;
  DialogChanged(program);
}

void SetFrame(Program& program, int frame) {
  auto& dialog = program.deepPromotion.dialog;
  if (program.busy.extractStop) {
    dialog.option = kWebSiteFrame;
  } else if (frame >= kTypeLinkFrame && frame <= kWebSiteFrame) {
    dialog.option = frame;
    dialog.activeFrame = frame;
  }
  DialogChanged(program);
}

void AddTypedLink(Program& program) {
  auto& dialog = program.deepPromotion.dialog;
  // An empty box would otherwise store the bare scheme as a link.
  if (!LinkDialogEnabled(program).typeLinkFrame || dialog.typedAddress.empty()) {
    return;
  }
  AddDeepLink(program, WithWebScheme(dialog.typedAddress));
  RemoveDuplicateLinks(program);
  dialog.visible = false;
  DialogChanged(program);
}

void BrowseForLinkFile(Program& program) {
  if (!LinkDialogEnabled(program).localFileFrame) {
    return;
  }
  auto& dialog = program.deepPromotion.dialog;
  const std::string path = OpenFileDialog(program, kHtmlFiles, dialog.filePath);
  if (!path.empty()) {
    dialog.filePath = path;
    DialogChanged(program);
  }
}

void CloseLinkDialog(Program& program) {
  program.deepPromotion.dialog.visible = false;
  DialogChanged(program);
}

}  // namespace zentrova
