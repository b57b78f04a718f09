#pragma once

#include <array>

#include <QString>

#include "program/program.h"

class QBoxLayout;
class QIcon;
class QWidget;

namespace zentrova {

// The side tabs' small list buttons carry a symbol instead of a caption; the tool tip says
// what they do. The symbol is drawn, so it needs no artwork and stays sharp at any scale.
QIcon SymbolIcon(const QString& symbol);

// The buttons of a list the user edits, in their order: add, remove, move up, move down,
// remove all. Every such list shows the same symbols and tool tips but for the word for a row.
struct ListEditButtons {
  std::array<const char*, 5> names;
  const char* row;  // as the tool tips name it: "Session", "Link"
  std::array<void (*)(Program&), 5> commands;
};
void AddListEditButtons(QBoxLayout* row, QWidget* parent, Program& program,
                        const ListEditButtons& buttons);

}  // namespace zentrova
