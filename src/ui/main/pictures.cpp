#include "ui/main/pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/platform/file_names.h"

namespace zentrova {

QString PicturePath(const Folders& folders, const QString& name) {
  return DecodePath(folders.dataFolder) + QStringLiteral("pictures/") + name +
         QStringLiteral(".svg");
}

QIcon PictureIcon(const Folders& folders, const QString& name) {
  return QIcon(PicturePath(folders, name));
}

QPixmap PicturePixmap(const Folders& folders, const QString& name, QSize size,
                      qreal devicePixelRatio) {
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(PicturePath(folders, name));
  if (renderer.isValid()) {
    QPainter painter(&pixmap);
    renderer.render(&painter);
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

}  // namespace zentrova
