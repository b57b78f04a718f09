#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// Which of the dialog's controls can be used right now. A frame's boxes, labels and buttons
// share its flag; the web frame's "Extract" and "Stop" have their own.
struct LinkDialogControls {
  bool typeLinkFrame = false;
  bool localFileFrame = false;
  bool webSiteFrame = false;
  bool webExtract = false;
  bool stop = false;
};
LinkDialogControls LinkDialogEnabled(const Program& program);

// "Add a Link into the List": shows the dialog beside the main window, loading it the first
// time with option 1.
void ShowLinkDialog(Program& program);
// An option button or its icon.
void SetFrame(Program& program, int frame);
// "Add" in the "Type HTTP Link" frame.
void AddTypedLink(Program& program);
// "Browse" in the local file frame.
void BrowseForLinkFile(Program& program);
// "Close": hides the dialog; its boxes keep their text.
void CloseLinkDialog(Program& program);

// The address a box stands for: the box sits after an "http://" label, so that scheme is put
// in front unless the text already names http or https itself.
std::string WithWebScheme(const std::string& text);

}  // namespace zentrova
