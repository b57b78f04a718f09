#pragma once

#include <memory>

#include <QString>
#include <QVariant>

class QWebEnginePage;

namespace zentrova::testing {

// Runs a script in the page, as its own scripts run, and waits for its result (invalid when
// none came within `milliseconds`).
QVariant RunPageScript(QWebEnginePage* page, const QString& script, int milliseconds = 10000);

// Waits until the page has finished `count` loads since `counter` started counting.
class LoadCounter {
 public:
  explicit LoadCounter(QWebEnginePage* page);
  int Count() const { return *count_; }
  bool WaitFor(int count, int milliseconds = 20000) const;

 private:
  std::shared_ptr<int> count_ = std::make_shared<int>(0);
};

}  // namespace zentrova::testing
