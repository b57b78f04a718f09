#include "manual/profile_paste.h"

namespace zentrova {

std::string PasteProfileValue(Program& program, int slot) {
  if (slot < 1 || slot > kProfileSlotCount) {
    return {};
  }
  std::string value = program.session.profile[static_cast<size_t>(slot)];
  if (program.ports.clipboard != nullptr) {
    program.ports.clipboard->SetText(value);
  }
  return value;
}

}  // namespace zentrova
