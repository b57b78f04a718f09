#include "tool_command.h"

#include <iostream>

namespace zentrova::tool {

int Fail(int code, const std::string& message) {
  std::cerr << "zentrova-tool: " << message << '\n';
  return code;
}

}  // namespace zentrova::tool
