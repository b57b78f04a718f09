#include "event_wait.h"

#include <QEventLoop>
#include <QTimer>

namespace zentrova::testing {

bool RunEventsUntil(const std::function<bool()>& done, int milliseconds) {
  if (done()) {
    return true;
  }
  QEventLoop loop;
  QTimer poll;
  poll.setInterval(5);
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) {
      loop.quit();
    }
  });
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  poll.start();
  loop.exec();
  return done();
}

}  // namespace zentrova::testing
