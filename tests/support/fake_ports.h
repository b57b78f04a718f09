#pragma once

#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ports/ports.h"

namespace zentrova::testing {

// A browser that records what the core asked of it; tests play the pages' side by calling
// CompleteNavigation / CompleteDocument with the page they want the core to see.
class FakeBrowser : public Browser {
 public:
  void WritePage(const std::string& html) override { writtenPages.push_back(html); }
  void SubmitFirstForm() override { ++submitCount; }
  void Navigate(const std::string& address) override { navigations.push_back(address); }
  void Stop() override { ++stopCount; }
  std::string BodyText() const override { return bodyText; }
  std::vector<std::string> Links() const override { return links; }
  std::vector<FormElement> FirstFormElements() const override { return formElements; }
  std::string PageSource() const override { return pageSource; }
  void PasteIntoFocusedElement(const std::string& text) override { pasted.push_back(text); }

  // Shows a page and reports its navigation as the real browser would.
  void CompleteNavigation(const std::string& url, const std::string& text, int status = 200) {
    bodyText = text;
    if (events.navigationCompleted) {
      events.navigationCompleted(url, status);
    }
  }
  void CompleteDocument(const std::string& url) {
    if (events.documentCompleted) {
      events.documentCompleted(url);
    }
  }

  std::vector<std::string> writtenPages;
  std::vector<std::string> navigations;
  std::vector<std::string> pasted;
  int submitCount = 0;
  int stopCount = 0;
  std::string bodyText;
  std::vector<std::string> links;
  std::vector<FormElement> formElements;
  std::string pageSource;
};

struct ShownMessage {
  std::string text;
  MessageButtons buttons;
  MessageIcon icon;
  std::string title;
};

// Message boxes and file dialogs answered from queues a test fills; an empty queue answers
// Ok / Yes for messages and "cancelled" for file dialogs.
class FakeDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                            const std::string& title) override {
    messages.push_back({text, buttons, icon, title});
    if (!answers.empty()) {
      const MessageAnswer answer = answers.front();
      answers.pop_front();
      return answer;
    }
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  }
  std::string AskOpenFileName(const FileDialogRequest& request) override {
    openRequests.push_back(request);
    return Next(openAnswers);
  }
  std::string AskSaveFileName(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return Next(saveAnswers);
  }

  std::deque<MessageAnswer> answers;
  std::deque<std::string> openAnswers;
  std::deque<std::string> saveAnswers;
  std::vector<ShownMessage> messages;
  std::vector<FileDialogRequest> openRequests;
  std::vector<FileDialogRequest> saveRequests;

 private:
  static std::string Next(std::deque<std::string>& queue) {
    if (queue.empty()) {
      return {};
    }
    std::string answer = queue.front();
    queue.pop_front();
    return answer;
  }
};

class FakeSettings : public SettingsStore {
 public:
  std::string Get(const std::string& section, const std::string& key) const override {
    const auto it = values.find({section, key});
    return it == values.end() ? std::string() : it->second;
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) override {
    values[{section, key}] = value;
  }
  std::map<std::pair<std::string, std::string>, std::string> values;
};

class FakeClock : public Clock {
 public:
  std::string DateText() const override { return date; }
  std::string TimeText() const override { return time; }
  std::string date = "12-10-2026";
  std::string time = "10:00:00";
};

// A timer that never fires by itself: tests call Fire().
class FakeTimer : public Timer {
 public:
  void SetInterval(int milliseconds) override { interval = milliseconds; }
  int Interval() const override { return interval; }
  void SetEnabled(bool value) override { enabled = value; }
  bool Enabled() const override { return enabled; }
  void Fire() {
    if (enabled && onTick) {
      onTick();
    }
  }
  int interval = 0;
  bool enabled = false;
};

class FakeClipboard : public Clipboard {
 public:
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

class FakeShell : public Shell {
 public:
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  std::vector<std::string> opened;
};

}  // namespace zentrova::testing
