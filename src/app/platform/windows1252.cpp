#include "app/platform/windows1252.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace zentrova {
namespace {

constexpr char kCodePage[] = "windows-1252";

std::string ToBytes(const QByteArray& array) {
  return std::string(array.constData(), array.size());
}

// The encoder marks an unmappable character with a control byte that a real control
// character also produces, so the characters are tried one by one to tell them apart.
Windows1252Text EncodeByCharacter(const QString& text) {
  Windows1252Text result;
  for (qsizetype i = 0; i < text.size();) {
    const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QStringEncoder encoder(kCodePage);
    const QByteArray encoded = encoder(text.mid(i, length));
    if (encoder.hasError() || encoded.size() != 1) {
      result.bytes += '?';
      ++result.unmappable;
    } else {
      result.bytes += encoded.at(0);
    }
    i += length;
  }
  return result;
}

}  // namespace

QString DecodeWindows1252(const std::string& bytes) {
  QStringDecoder decoder(kCodePage);
  return decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

Windows1252Text EncodeWindows1252(const QString& text) {
  QStringEncoder encoder(kCodePage);
  const QByteArray encoded = encoder(text);
  if (!encoder.hasError()) {
    return Windows1252Text{ToBytes(encoded), 0};
  }
  return EncodeByCharacter(text);
}

}  // namespace zentrova
