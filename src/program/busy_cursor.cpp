#include "program/busy_cursor.h"

namespace zentrova {

void SetBusyCursor(Program& program, bool busy) {
  program.window.busyCursor = busy;
  program.views.Changed(View::Cursor);
}

}  // namespace zentrova
