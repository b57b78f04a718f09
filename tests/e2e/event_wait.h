#pragma once

#include <functional>

namespace zentrova::testing {

// Runs the event loop until `done` holds or the time is up; true when it holds. Unlike a
// loop of processEvents and short sleeps, the browser's many small steps run at full speed.
bool RunEventsUntil(const std::function<bool()>& done, int milliseconds);

}  // namespace zentrova::testing
