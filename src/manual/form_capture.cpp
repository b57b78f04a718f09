#include "manual/form_capture.h"

#include "program/program.h"

namespace zentrova {

bool IsSelectionList(const CapturedElement& element) {
  return element.tagName == "SELECT";
}

std::string FormCaptureText(const CapturedForm& form, const std::string& addressBoxText) {
  std::string fields;
  int named = 0;
  for (const CapturedElement& element : form.elements) {
    if (!element.name.empty()) {
      fields += element.name + "," + element.value;
      ++named;
    }
    if (IsSelectionList(element)) {
      fields += std::string("%XXX") + kCrLf;
    } else if (!element.name.empty()) {
      fields += kCrLf;
    }
  }
  for (const CapturedElement& element : form.elements) {
    if (!IsSelectionList(element)) {
      continue;
    }
    fields += std::string("=====") + kCrLf + "name" + kCrLf + "XXX" + kCrLf;
    for (const CapturedOption& option : element.options) {
      fields += option.value + "[]" + option.text + kCrLf;
    }
  }
  std::string text;
  for (const std::string& line :
       {std::string("name"), std::string("LL"), form.action, std::string("response"),
        addressBoxText, form.method, std::to_string(named)}) {
    text += line + kCrLf;
  }
  return text + fields + "-" + kCrLf;
}

}  // namespace zentrova
