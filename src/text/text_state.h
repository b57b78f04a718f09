#pragma once

#include <map>
#include <string>

namespace zentrova {

// Distributor texts and service addresses, filled once at start-up.
struct DistributorInfo {
  std::string title;
  std::string contact;
  std::string webAddress;
  std::string onlineHelpUrl;
  std::string addNewEngineUrl;
  std::string addPlugInsUrl;
  std::string updateProgramUrl;
  std::string techSupportUrl;
};

struct TextState {
  // Stored (scrambled) texts of the string table, by id.
  std::map<int, std::string> stringTable;
  DistributorInfo distributor;
  std::string serviceStatusUrl;
};

}  // namespace zentrova
