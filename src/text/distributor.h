#pragma once

#include <string>

#include "program/program.h"

namespace zentrova {

// What the installation provides, in the data folder (INI syntax): the settings a fresh
// install falls back on, such as "Registration"/"Dealer".
inline constexpr char kInstallationDefaultsFileName[] = "defaults.ini";

// Position of a distributor code in the code list (a1 … a9, a0, b0 … j9, k0 … k3), -1 when
// the code is not in it.
int DistributorCodeIndex(const std::string& code);

// Reads the distributor code from the settings and fills DistributorInfo; a code outside the
// list shows the corrupted-installation message and ends the program. False in that case.
bool LoadDistributor(Program& program);

}  // namespace zentrova
