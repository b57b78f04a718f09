#pragma once

#include <QProxyStyle>

namespace zentrova {

// Lists and multi-line boxes draw their frame under their viewport and scroll bars. At a
// fractional scale (1.5) those children are rounded out to whole device pixels and cover the
// frame's right and bottom lines. A frame one pixel wider keeps them off the lines; the extra
// pixel is filled as the viewport fills itself, so it reads as part of the box.
class FramedBoxesStyle : public QProxyStyle {
  Q_OBJECT

 public:
  // The style that draws everything else, by name.
  explicit FramedBoxesStyle(const QString& baseStyle);

  int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget = nullptr) const override;
};

// Wraps the application's current style, once; call before the first window is made.
void UseFramedBoxesStyle();

}  // namespace zentrova
