#pragma once

#include <string>

namespace zentrova {

// Per-user settings, by section and key. A missing key reads as an empty text.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::string Get(const std::string& section, const std::string& key) const = 0;
  virtual void Set(const std::string& section, const std::string& key,
                   const std::string& value) = 0;
};

}  // namespace zentrova
