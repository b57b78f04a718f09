#pragma once

#include "ports/shell.h"

namespace zentrova {

class QtShell : public Shell {
 public:
  void OpenAddress(const std::string& address) override;
};

}  // namespace zentrova
