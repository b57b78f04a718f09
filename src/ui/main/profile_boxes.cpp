#include "ui/main/profile_boxes.h"

#include <QToolTip>

#include "app/platform/windows1252.h"
#include "session/session_model.h"
#include "ui/main/status_hints.h"
#include "ui/main/status_line.h"

namespace zentrova {

namespace {

const QString kTooLong = QStringLiteral("This box holds at most %1 characters");

// The session keeps line breaks as CR LF, as exported and submitted texts need them; the
// box shows each as one line break.
QString ShownLines(const std::string& bytes) {
  return DecodeWindows1252(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

template <class Box>
ProfileSlotBox<Box>::ProfileSlotBox(Program& program, StatusLine* status, int slot, QWidget* parent)
    : Box(parent), program_(program), status_(status), slot_(slot) {
  this->setObjectName(QStringLiteral("vartext_%1").arg(slot));
}

template <class Box>
void ProfileSlotBox<Box>::focusInEvent(QFocusEvent* event) {
  Box::focusInEvent(event);
  status_->ShowHint(kFieldHintBase + slot_);
}

// Where the eye already is; the status line below the pages repeats it.
template <class Box>
void ProfileSlotBox<Box>::ShowRefusedCharacter() {
  status_->ShowRefusedCharacter();
  QToolTip::showText(this->mapToGlobal(QPoint(0, this->height())), status_->text(), this);
}

template <class Box>
void ProfileSlotBox<Box>::Store(const std::string& bytes) {
  SetBoxText(program_, slot_, bytes);
}

template class ProfileSlotBox<QLineEdit>;
template class ProfileSlotBox<QPlainTextEdit>;

ProfileLineBox::ProfileLineBox(Program& program, StatusLine* status, int slot, int maxLength,
                               QWidget* parent)
    : ProfileSlotBox(program, status, slot, parent) {
  if (maxLength > 0) {
    setMaxLength(maxLength);
  }
  connect(this, &QLineEdit::textEdited, this, &ProfileLineBox::TakeUserEdit);
}

void ProfileLineBox::Refresh() {
  const QString shown = DecodeWindows1252(Stored());
  if (text() != shown) {
    setText(shown);
  }
}

void ProfileLineBox::TakeUserEdit(const QString& text) {
  const Windows1252Text encoded = EncodeWindows1252(text);
  if (encoded.unmappable > 0) {
    const int cursor = cursorPosition();
    const int typed = text.size() - DecodeWindows1252(Stored()).size();
    Refresh();
    setCursorPosition(std::max(0, cursor - std::max(0, typed)));
    ShowRefusedCharacter();
    return;
  }
  Store(encoded.bytes);
}

ProfileTextBox::ProfileTextBox(Program& program, StatusLine* status, int slot, int maxLength,
                               QWidget* parent)
    : ProfileSlotBox(program, status, slot, parent), maxLength_(maxLength) {
  setTabChangesFocus(true);
  connect(this, &QPlainTextEdit::textChanged, this, &ProfileTextBox::TakeUserEdit);
}

void ProfileTextBox::Refresh() {
  if (toPlainText() != ShownLines(Stored())) {
    ShowStored();
  }
}

void ProfileTextBox::ShowStored() {
  showing_ = true;
  const int cursor = textCursor().position();
  setPlainText(ShownLines(Stored()));
  QTextCursor restored = textCursor();
  restored.setPosition(std::min(cursor, static_cast<int>(toPlainText().size())));
  setTextCursor(restored);
  showing_ = false;
}

void ProfileTextBox::TakeUserEdit() {
  if (showing_) {
    return;
  }
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  const Windows1252Text encoded = EncodeWindows1252(text);
  if (encoded.unmappable > 0) {
    ShowStored();
    ShowRefusedCharacter();
    return;
  }
  if (maxLength_ > 0 && static_cast<int>(encoded.bytes.size()) > maxLength_) {
    ShowStored();
    status_->ShowRefusal(kTooLong.arg(maxLength_));
    return;
  }
  Store(encoded.bytes);
}

ProfileCheckBox::ProfileCheckBox(Program& program, int number, const QString& caption,
                                 QWidget* parent)
    : QCheckBox(caption, parent), program_(program), number_(number) {
  setObjectName(QStringLiteral("Check%1").arg(number));
  connect(this, &QCheckBox::clicked, this, [this](bool checked) {
    ClickCheckBox(program_, number_, checked ? kChecked : kUnchecked);
  });
}

void ProfileCheckBox::Refresh() {
  const ProfileEditor& editor = program_.session.editor;
  const int value = number_ == 3 ? editor.check3 : number_ == 4 ? editor.check4 : editor.check5;
  const Qt::CheckState state = value == kChecked ? Qt::Checked
                               : value == kGrey  ? Qt::PartiallyChecked
                                                 : Qt::Unchecked;
  if (checkState() != state) {
    setCheckState(state);
  }
}

void RefreshProfileControls(QWidget* root) {
  for (auto* box : root->findChildren<ProfileLineBox*>()) {
    box->Refresh();
  }
  for (auto* box : root->findChildren<ProfileTextBox*>()) {
    box->Refresh();
  }
  for (auto* box : root->findChildren<ProfileCheckBox*>()) {
    box->Refresh();
  }
}

}  // namespace zentrova
