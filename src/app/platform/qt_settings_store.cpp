#include "app/platform/qt_settings_store.h"

#include "app/platform/windows1252.h"

namespace zentrova {
namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return DecodeWindows1252(section) + '/' + DecodeWindows1252(key);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& defaultsFile)
    : user_(QStringLiteral("Zentrova"), QStringLiteral("Zentrova")),
      defaults_(defaultsFile, QSettings::IniFormat) {}

std::string QtSettingsStore::Get(const std::string& section, const std::string& key) const {
  const QString path = KeyPath(section, key);
  const QSettings& source = user_.contains(path) ? user_ : defaults_;
  return EncodeWindows1252(source.value(path).toString()).bytes;
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
  user_.setValue(KeyPath(section, key), DecodeWindows1252(value));
}

}  // namespace zentrova
