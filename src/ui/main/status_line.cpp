#include "ui/main/status_line.h"

#include "app/platform/windows1252.h"
#include "ui/main/status_hints.h"

namespace zentrova {

StatusLine::StatusLine(Program& program, QWidget* parent) : QLabel(parent), program_(program) {
  setObjectName(QStringLiteral("Label25"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setMinimumWidth(200);
}

void StatusLine::ShowHint(int code) {
  ShowStatusHint(program_, code);
  setText(DecodeWindows1252(program_.window.statusHint));
}

void StatusLine::ShowRefusal(const QString& text) {
  setText(text);
}

void StatusLine::ShowRefusedCharacter() {
  ShowRefusal(
      QStringLiteral("This character cannot be kept in a session: use letters, digits "
                     "and signs of Western European languages"));
}

}  // namespace zentrova
