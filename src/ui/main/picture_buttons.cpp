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

void AddPictureButtons(QBoxLayout* row, QWidget* parent, Program& program,
                       std::span<const PictureButton> buttons) {
  for (const PictureButton& entry : buttons) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(entry.name));
    button->setIcon(SymbolIcon(QString::fromUtf8(entry.symbol)));
    button->setIconSize(QSize(18, 18));
    button->setToolTip(QString::fromLatin1(entry.toolTip));
    button->setAccessibleName(button->toolTip());
    QObject::connect(button, &QToolButton::clicked, parent,
                     [&program, command = entry.command] { command(program); });
    row->addWidget(button);
  }
}

}  // namespace zentrova
