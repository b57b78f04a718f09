#include "app/platform/qt_settings_store.h"

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"

namespace zentrova {
namespace {

QString KeyPath(const std::string& section, const std::string& key) {
  return DecodeWindows1252(section) + '/' + DecodeWindows1252(key);
}

}  // namespace

// The values kept are the last session's path and codes in plain ASCII, so they are stored as
// the file system writes names.
QtSettingsStore::QtSettingsStore(const QString& defaultsFile)
    : user_(QStringLiteral("Zentrova"), QStringLiteral("Zentrova")),
      defaults_(defaultsFile, QSettings::IniFormat) {}

std::string QtSettingsStore::Get(const std::string& section, const std::string& key) const {
  const QString path = KeyPath(section, key);
  const QSettings& source = user_.contains(path) ? user_ : defaults_;
  return EncodePath(source.value(path).toString());
}

void QtSettingsStore::Set(const std::string& section, const std::string& key,
                          const std::string& value) {
  user_.setValue(KeyPath(section, key), DecodePath(value));
}

}  // namespace zentrova
