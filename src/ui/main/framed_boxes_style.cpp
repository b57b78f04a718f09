#include "ui/main/framed_boxes_style.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTextEdit>

namespace zentrova {
namespace {

const QAbstractScrollArea* FramedBox(const QWidget* widget) {
  if (qobject_cast<const QAbstractItemView*>(widget) != nullptr ||
      qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
      qobject_cast<const QTextEdit*>(widget) != nullptr) {
    return static_cast<const QAbstractScrollArea*>(widget);
  }
  return nullptr;
}

}  // namespace

FramedBoxesStyle::FramedBoxesStyle(const QString& baseStyle) : QProxyStyle(baseStyle) {}

int FramedBoxesStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                  const QWidget* widget) const {
  const int value = QProxyStyle::pixelMetric(metric, option, widget);
  if (metric == PM_DefaultFrameWidth && FramedBox(widget) != nullptr) {
    return value + 1;
  }
  return value;
}

void FramedBoxesStyle::drawControl(ControlElement element, const QStyleOption* option,
                                   QPainter* painter, const QWidget* widget) const {
  const QAbstractScrollArea* box = FramedBox(widget);
  if (element == CE_ShapedFrame && box != nullptr && box->viewport()->autoFillBackground()) {
    const QWidget* viewport = box->viewport();
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1),
                      viewport->palette().brush(viewport->backgroundRole()));
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void UseFramedBoxesStyle() {
  if (qobject_cast<FramedBoxesStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new FramedBoxesStyle(QApplication::style()->name()));
  }
}

}  // namespace zentrova
