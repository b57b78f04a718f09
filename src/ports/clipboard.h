#pragma once

#include <string>

namespace zentrova {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Clears the clipboard and puts the text on it.
  virtual void SetText(const std::string& text) = 0;
};

}  // namespace zentrova
