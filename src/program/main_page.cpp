#include "program/main_page.h"

namespace zentrova {

void ShowMainPage(Program& program, int page) {
  program.window.currentTab = page;
  program.views.Changed(View::Tab);
}

}  // namespace zentrova
