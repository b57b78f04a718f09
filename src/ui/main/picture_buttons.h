#pragma once

#include <span>

#include <QString>

#include "program/program.h"

class QBoxLayout;
class QIcon;
class QWidget;

namespace zentrova {

// The side tabs' small list buttons carry a symbol instead of a caption; the tool tip says
// what they do. The symbol is drawn, so it needs no artwork and stays sharp at any scale.
QIcon SymbolIcon(const QString& symbol);

struct PictureButton {
  const char* name;
  const char* symbol;  // UTF-8
  const char* toolTip;
  void (*command)(Program&);
};
// Adds one button per entry, left to right, each running its command on the program.
void AddPictureButtons(QBoxLayout* row, QWidget* parent, Program& program,
                       std::span<const PictureButton> buttons);

}  // namespace zentrova
