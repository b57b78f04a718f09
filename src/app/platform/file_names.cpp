#include "app/platform/file_names.h"

#include <QFile>

namespace zentrova {

QString DecodePath(const std::string& path) {
  return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string EncodePath(const QString& path) {
  const QByteArray bytes = QFile::encodeName(path);
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace zentrova
