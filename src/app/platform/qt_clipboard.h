#pragma once

#include "ports/clipboard.h"

namespace zentrova {

class QtClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override;
};

}  // namespace zentrova
