#pragma once

#include <string>
#include <vector>

namespace zentrova {

// The first form of a page as the document reports it, for "Get Form". Its texts are taken
// as they come: the capture neither needs nor changes their encoding, so the windows hand it
// UTF-8 and get UTF-8 back.
struct CapturedOption {
  std::string value;
  std::string text;  // what the list shows
};

struct CapturedElement {
  std::string name;
  std::string value;
  std::string tagName;  // as the document spells it: "SELECT" for a list in an HTML page
  std::vector<CapturedOption> options;
};

struct CapturedForm {
  std::string action;  // resolved to a full address; empty when the page has no form
  std::string method;
  std::vector<CapturedElement> elements;
};

bool IsSelectionList(const CapturedElement& element);

// The draft engine entry of "Get Form", every line ended by CR LF: the placeholders "name"
// and "LL", the action, the placeholder "response", the address box's text, the method, the
// number of named elements, one "name,value" line per named element ("%XXX" after a list's
// value), one section per list with its options as "value[]text", and "-".
std::string FormCaptureText(const CapturedForm& form, const std::string& addressBoxText);

}  // namespace zentrova
