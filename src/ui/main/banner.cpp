#include "ui/main/banner.h"

#include "ui/main/pictures.h"

namespace zentrova {

Banner::Banner(const Folders& folders, QWidget* parent) : QLabel(parent), folders_(folders) {
  setFixedSize(kWidth, kHeight);
}

// Drawn when shown rather than when built: only then is the screen, and so its scale, known.
void Banner::showEvent(QShowEvent* event) {
  QLabel::showEvent(event);
  setPixmap(PicturePixmap(folders_, QStringLiteral("banner"), size(), devicePixelRatioF()));
}

}  // namespace zentrova
