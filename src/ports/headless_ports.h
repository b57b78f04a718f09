#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ports/ports.h"

namespace zentrova {

// The ports of a program without windows, shared by the companion tool and the tests. Each
// keeps what it was given where its owner can read it, and answers from what its owner set.

struct ShownMessage {
  std::string text;
  MessageButtons buttons;
  MessageIcon icon;
  std::string title;
};

// Message boxes and file dialogs answered from queues; an empty queue answers Ok / Yes for
// messages and "cancelled" for file dialogs, as nobody being there would.
class ScriptedDialogs : public Dialogs {
 public:
  MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons, MessageIcon icon,
                            const std::string& title) override {
    messages.push_back({text, buttons, icon, title});
    if (onMessage) {
      onMessage(text);
    }
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
  // Told the text of every message as it is shown.
  std::function<void(const std::string&)> onMessage;

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

class MemorySettings : public SettingsStore {
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

// A clock that stands still at the date and time it is given.
class FixedClock : public Clock {
 public:
  std::string DateText() const override { return date; }
  std::string TimeText() const override { return time; }
  std::string date = "12-10-2026";
  std::string time = "10:00:00";
};

// A timer that never fires by itself: its owner calls Fire().
class ManualTimer : public Timer {
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

class MemoryClipboard : public Clipboard {
 public:
  void SetText(const std::string& value) override { text = value; }
  std::string text;
};

// Records the addresses it was asked to open instead of opening them.
class RecordingShell : public Shell {
 public:
  void OpenAddress(const std::string& address) override { opened.push_back(address); }
  std::vector<std::string> opened;
};

// Keeps every request until its owner answers it: nothing goes on a network. A program that
// never sends anything (most of the tool's commands) needs no more.
class ScriptedHttpClient : public HttpClient {
 public:
  struct Pending {
    RequestId id;
    HttpRequest request;
    Done done;
  };

  RequestId Send(const HttpRequest& request, Done done) override {
    sent.push_back(request);
    pending.push_back({++lastId, request, std::move(done)});
    return lastId;
  }
  void Cancel(RequestId id) override {
    for (auto it = pending.begin(); it != pending.end(); ++it) {
      if (it->id == id) {
        cancelled.push_back(id);
        pending.erase(it);
        return;
      }
    }
  }
  // Answers the oldest request still waiting; false when none is.
  bool Answer(const HttpAnswer& answer) {
    if (pending.empty()) {
      return false;
    }
    Pending first = std::move(pending.front());
    pending.pop_front();
    first.done(answer);
    return true;
  }

  std::vector<HttpRequest> sent;
  std::deque<Pending> pending;
  std::vector<RequestId> cancelled;
  RequestId lastId = 0;
};

// Every piece of a program without windows but the browser, which an owner that needs one
// brings (see PlatformPorts).
struct HeadlessPorts {
  ScriptedHttpClient http;
  ScriptedDialogs dialogs;
  MemorySettings settings;
  FixedClock clock;
  ManualTimer replyTimer;
  ManualTimer clockTimer;
  MemoryClipboard clipboard;
  RecordingShell shell;
};

}  // namespace zentrova
