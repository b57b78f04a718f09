#pragma once

#include <string>

namespace zentrova {

// The number of queued engines a session file holds; -1 when the file is missing, is not a
// current-format session, ends early, or its queue is empty.
int SessionQueueCount(const std::string& path);

}  // namespace zentrova
