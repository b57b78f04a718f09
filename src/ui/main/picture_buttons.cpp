#include "ui/main/picture_buttons.h"

#include <QBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

namespace zentrova {

QIcon SymbolIcon(const QString& symbol) {
  constexpr int kSide = 32;
  QPixmap pixmap(kSide, kSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::TextAntialiasing);
  QFont font = painter.font();
  font.setPixelSize(kSide * 3 / 4);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(QColor(0x20, 0x40, 0x80));
  painter.drawText(pixmap.rect(), Qt::AlignCenter, symbol);
  return QIcon(pixmap);
}

namespace {

// A button showing the symbol (UTF-8) that runs its command on the program.
void AddSymbolButton(QBoxLayout* row, QWidget* parent, Program& program, const char* name,
                     const char* symbol, const QString& toolTip, void (*command)(Program&)) {
  auto* button = new QToolButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(SymbolIcon(QString::fromUtf8(symbol)));
  button->setIconSize(QSize(18, 18));
  button->setToolTip(toolTip);
  button->setAccessibleName(toolTip);
  QObject::connect(button, &QToolButton::clicked, parent,
                   [&program, command] { command(program); });
  row->addWidget(button);
}

}  // namespace

void AddListEditButtons(QBoxLayout* row, QWidget* parent, Program& program,
                        const ListEditButtons& buttons) {
  const char* const symbols[] = {"+", "\u2212", "\u2191", "\u2193", "\u00d7"};
  const QString item = QString::fromLatin1(buttons.row);
  const QString toolTips[] = {
      QStringLiteral("Add a %1 into the List").arg(item),
      QStringLiteral("Remove a %1 from the List").arg(item),
      QStringLiteral("Move Up"),
      QStringLiteral("Move Down"),
      QStringLiteral("Remove All"),
  };
  for (size_t i = 0; i < buttons.names.size(); ++i) {
    AddSymbolButton(row, parent, program, buttons.names[i], symbols[i], toolTips[i],
                    buttons.commands[i]);
  }
}

}  // namespace zentrova
