#pragma once

#include <string>

namespace zentrova {

// Opens an address in the user's own web browser.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void OpenAddress(const std::string& address) = 0;
};

}  // namespace zentrova
