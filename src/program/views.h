#pragma once

#include <functional>
#include <vector>

namespace zentrova {

// What a view may have to redraw after the core changed its state.
enum class View {
  Caption,
  Profile,       // profile boxes and check boxes
  EngineList,    // rows, marks, current row
  QueueStatus,   // counters and the "Selected" label
  Categories,    // group list, category list, caption, button caption
  Progress,      // progress panel and lamps
  BusyControls,  // enabled state of the long activities' controls
  Report,        // status list, report type, report view
  DeepLinks,     // Deep Promotion list and its labels
  Batch,         // batch list and its status line
  Tab,           // the page shown by the main tab strip
  Cursor,        // the busy pointer
  ManualPage,    // the manual submission page was written: its browser shows it again
  StatusHint,    // the main window's status line
};

// The core's only way of telling views about changes: plain callbacks, no toolkit signals.
class ViewNotifier {
 public:
  using Observer = std::function<void(View)>;
  void Subscribe(Observer observer) { observers_.push_back(std::move(observer)); }
  void Changed(View view) const {
    for (const auto& observer : observers_) {
      observer(view);
    }
  }

 private:
  std::vector<Observer> observers_;
};

}  // namespace zentrova
