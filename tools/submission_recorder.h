#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ports/browser.h"
#include "program/program.h"

namespace zentrova::tool {

// One submission of a run as the tool reports it.
struct SubmissionLine {
  int engineSlot = 0;
  std::string engine;
  std::string pageAddress;
  std::string verdict;  // "successful", "failed" or "timed out"
  int httpStatus = 0;   // 0 when unknown
  std::string failure;  // why no reply came at all; empty when one came
};

// Stands between the core and the real browser and notes every submission with the verdict
// the core reaches on it; everything else passes through unchanged.
class SubmissionRecorder : public Browser {
 public:
  SubmissionRecorder(Browser& browser, const Program& program);

  void Submit(const FormRequest& request) override;
  void Navigate(const std::string& address) override { browser_.Navigate(address); }
  void Stop() override;
  std::string BodyText() const override { return browser_.BodyText(); }
  std::vector<std::string> Links() const override { return browser_.Links(); }
  std::vector<FormElement> FirstFormElements() const override {
    return browser_.FirstFormElements();
  }
  std::string PageSource() const override { return browser_.PageSource(); }
  std::string LoadFailure() const override { return browser_.LoadFailure(); }
  void PasteIntoFocusedElement(const std::string& text) override {
    browser_.PasteIntoFocusedElement(text);
  }

  const std::vector<SubmissionLine>& Lines() const { return lines_; }

  // The last line got its verdict; the core has not yet taken it when this is called.
  std::function<void()> judged;

 private:
  // True when the core is waiting for the reply to the submission noted last.
  bool AwaitingReply() const;
  void OnNavigationCompleted(const std::string& url, int httpStatus);

  Browser& browser_;
  const Program& program_;
  std::vector<SubmissionLine> lines_;
  bool pending_ = false;
};

}  // namespace zentrova::tool
