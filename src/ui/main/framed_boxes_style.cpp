#include "ui/main/framed_boxes_style.h"

#include <cmath>

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
  if (element != CE_ShapedFrame || box == nullptr) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const QWidget* viewport = box->viewport();
  if (viewport->autoFillBackground()) {
    painter->fillRect(option->rect.adjusted(1, 1, -1, -1),
                      viewport->palette().brush(viewport->backgroundRole()));
  }
  painter->save();
  const qreal scale = painter->device()->devicePixelRatioF();
  if (scale != std::floor(scale)) {
    painter->translate(0.5, 0.5);
  }
  QProxyStyle::drawControl(element, option, painter, widget);
  painter->restore();
}

void UseFramedBoxesStyle() {
  if (qobject_cast<FramedBoxesStyle*>(QApplication::style()) == nullptr) {
    QApplication::setStyle(new FramedBoxesStyle(QApplication::style()->name()));
  }
}

}  // namespace zentrova
