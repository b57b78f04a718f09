#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "ports/headless_ports.h"
#include "ports/ports.h"

namespace zentrova::testing {

// A browser that records what the core asked of it; tests play the pages' side by calling
// CompleteNavigation / CompleteDocument with the page they want the core to see.
class FakeBrowser : public Browser {
 public:
  void Submit(const FormRequest& request) override { submissions.push_back(request); }
  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void Stop() override { ++stopCount; }
  std::string BodyText() const override { return bodyText; }
  std::vector<std::string> Links() const override { return links; }
  std::vector<FormElement> FirstFormElements() const override { return formElements; }
  std::string PageSource() const override { return pageSource; }
  std::string LoadFailure() const override { return loadFailure; }
  void PasteIntoFocusedElement(const std::string& text) override { pasted.push_back(text); }

  // Shows a page and reports its navigation as the real browser would.
  void CompleteNavigation(const std::string& url, const std::string& text, int status = 200) {
    bodyText = text;
    loadFailure.clear();
    if (events.navigationCompleted) {
      events.navigationCompleted(url, status);
    }
  }
  // A load at `url` that got no HTTP reply at all, for the browser's `reason`.
  void FailNavigation(const std::string& url, const std::string& reason) {
    bodyText.clear();
    loadFailure = reason;
    if (events.navigationCompleted) {
      events.navigationCompleted(url, 0);
    }
  }
  void CompleteDocument(const std::string& url) {
    if (events.documentCompleted) {
      events.documentCompleted(url);
    }
  }

  std::vector<FormRequest> submissions;
  std::vector<std::string> navigations;
  std::vector<std::string> pasted;
  int stopCount = 0;
  std::string bodyText;
  std::vector<std::string> links;
  std::vector<FormElement> formElements;
  std::string pageSource;
  std::string loadFailure;
};

// The value of the first field named `name` in urlencoded `fields`; empty when there is none.
inline std::string FieldValue(const std::string& fields, const std::string& name) {
  const std::string start = name + "=";
  size_t at = 0;
  while (at <= fields.size()) {
    const size_t end = std::min(fields.find('&', at), fields.size());
    if (fields.compare(at, start.size(), start) == 0) {
      std::string value;
      for (size_t i = at + start.size(); i < end; ++i) {
        if (fields[i] == '+') {
          value += ' ';
        } else if (fields[i] == '%' && i + 2 < end) {
          value += static_cast<char>(std::stoi(fields.substr(i + 1, 2), nullptr, 16));
          i += 2;
        } else {
          value += fields[i];
        }
      }
      return value;
    }
    at = end + 1;
  }
  return {};
}

// The other ports are the headless ones the companion tool uses.
using zentrova::ShownMessage;
using FakeDialogs = ScriptedDialogs;
using FakeSettings = MemorySettings;
using FakeClock = FixedClock;
using FakeTimer = ManualTimer;
using FakeClipboard = MemoryClipboard;
using FakeShell = RecordingShell;

}  // namespace zentrova::testing
