#pragma once

#include <QProxyStyle>

namespace zentrova {

// Lists and multi-line boxes draw a one-pixel frame line under their viewport and scroll bars.
// At a fractional scale (1.5) the line is thinner than a logical pixel and lands on a device
// pixel that the children, rounded out, cover, or that the box's own clip, rounded in, leaves
// out: the right and bottom lines go, and the left and top ones too where the box stands at an
// odd position. So the frame is one pixel wider, which keeps the children off the line; the
// extra pixel is filled as the viewport fills itself; and at such a scale the line is moved to
// the middle of its logical pixel, so that it covers that whole pixel.
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
