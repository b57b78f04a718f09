#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace zentrova::testing {

// The bytes of a session file, written independently of the product's writer so that the
// readers are checked against the format itself.
struct SessionFileContent {
  struct Engine {
    std::string name;
    int deepLinkStatus = 0;
    int registrationStatus = 0;
    std::string startedAt = "00:00:00";
    std::string finishedAt = "00:00:00";
    std::string runDate;
  };
  int signature = 998;
  std::map<int, std::string> profile;  // slot → text; other slots empty
  std::vector<Engine> engines;
  std::vector<std::string> links;
  std::vector<std::string> queue;
};

// Engines never submitted, by name.
inline std::vector<SessionFileContent::Engine> UnsubmittedEngines(
    const std::vector<std::string>& names) {
  std::vector<SessionFileContent::Engine> engines(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    engines[i].name = names[i];
  }
  return engines;
}

inline std::string Int16Bytes(int value) {
  return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string TextBytes(const std::string& text) {
  return Int16Bytes(static_cast<int>(text.size())) + text;
}

inline std::string SessionFileBytes(const SessionFileContent& content) {
  std::string bytes = Int16Bytes(content.signature);
  for (int slot = 1; slot <= 999; ++slot) {
    const auto it = content.profile.find(slot);
    bytes += TextBytes(it == content.profile.end() ? std::string() : it->second);
  }
  if (content.signature != 998) {
    return bytes;
  }
  bytes += Int16Bytes(static_cast<int>(content.engines.size()));
  for (const auto& engine : content.engines) {
    bytes += TextBytes(engine.name) + Int16Bytes(engine.deepLinkStatus) +
             Int16Bytes(engine.registrationStatus) + TextBytes(engine.startedAt) +
             TextBytes(engine.finishedAt) + TextBytes(engine.runDate);
  }
  bytes += Int16Bytes(static_cast<int>(content.links.size()));
  for (const auto& link : content.links) {
    bytes += TextBytes(link);
  }
  bytes += Int16Bytes(static_cast<int>(content.queue.size()));
  for (const auto& name : content.queue) {
    bytes += TextBytes(name);
  }
  return bytes;
}

}  // namespace zentrova::testing
