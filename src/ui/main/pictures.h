#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "program/program.h"

namespace zentrova {

// The program's artwork is SVG in the data folder, drawn at whatever size and screen scale
// it is shown, so it stays sharp on every display.
QString PicturePath(const Folders& folders, const QString& name);
QIcon PictureIcon(const Folders& folders, const QString& name);
QPixmap PicturePixmap(const Folders& folders, const QString& name, QSize size,
                      qreal devicePixelRatio);

}  // namespace zentrova
