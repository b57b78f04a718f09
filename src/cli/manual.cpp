#include "cli/manual.h"

namespace zentrova::cli {

const ManualCommand* FindCommand(const Manual& manual, const std::string& name) {
  for (const ManualCommand& command : manual.commands) {
    if (command.name == name) {
      return &command;
    }
  }
  return nullptr;
}

}  // namespace zentrova::cli
