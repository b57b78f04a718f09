#include "ui/main/splash_window.h"

#include <QGuiApplication>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QSvgRenderer>

#include "ui/main/pictures.h"

namespace zentrova {

SplashWindow::SplashWindow(const Folders& folders)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), folders_(folders) {
  setObjectName(QStringLiteral("Form2"));
  setAttribute(Qt::WA_TranslucentBackground);
  setFixedSize(kWidth, kHeight);
  setMask(QRegion(0, 0, kWidth, kHeight, QRegion::Ellipse));
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->geometry().center() - rect().center());
  }
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer renderer(PicturePath(folders_, QStringLiteral("splash")));
  renderer.render(&painter, rect());
}

}  // namespace zentrova
