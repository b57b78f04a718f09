#pragma once

#include <QSettings>
#include <QString>

#include "ports/settings_store.h"

namespace zentrova {

// The user's settings under organisation and application "Zentrova". A key the user has never
// written is read from the installation's defaults file (INI), so a fresh install starts with
// what the installation provides.
class QtSettingsStore : public SettingsStore {
 public:
  explicit QtSettingsStore(const QString& defaultsFile);

  std::string Get(const std::string& section, const std::string& key) const override;
  void Set(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  QSettings user_;
  QSettings defaults_;
};

}  // namespace zentrova
