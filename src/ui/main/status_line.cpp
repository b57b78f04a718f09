#include "ui/main/status_line.h"

#include <QPointer>

#include "app/platform/windows1252.h"
#include "ui/main/status_hints.h"

namespace zentrova {

StatusLine::StatusLine(Program& program, QWidget* parent) : QLabel(parent), program_(program) {
  setObjectName(QStringLiteral("Label25"));
  setFrameShape(QFrame::StyledPanel);
  setFrameShadow(QFrame::Sunken);
  setMinimumWidth(200);
  // The core writes the line itself when a run ends.
  QPointer<StatusLine> self(this);
  program_.views.Subscribe([self](View view) {
    if (!self.isNull() && view == View::StatusHint) {
      self->setText(DecodeWindows1252(self->program_.window.statusHint));
    }
  });
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
