#include "page_script.h"

#include <memory>

#include <QWebEnginePage>

#include "event_wait.h"

namespace zentrova::testing {

QVariant RunPageScript(QWebEnginePage* page, const QString& script, int milliseconds) {
  struct Result {
    bool done = false;
    QVariant value;
  };
  auto result = std::make_shared<Result>();
  page->runJavaScript(script, [result](const QVariant& value) {
    result->value = value;
    result->done = true;
  });
  RunEventsUntil([&] { return result->done; }, milliseconds);
  return result->value;
}

LoadCounter::LoadCounter(QWebEnginePage* page) {
  QObject::connect(page, &QWebEnginePage::loadFinished, page, [count = count_] { ++*count; });
}

bool LoadCounter::WaitFor(int count, int milliseconds) const {
  return RunEventsUntil([&] { return *count_ >= count; }, milliseconds);
}

}  // namespace zentrova::testing
