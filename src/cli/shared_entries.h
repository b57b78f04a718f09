#pragma once

#include <vector>

#include "cli/manual.h"

// What both programs share: the folders they work in and the variables that move them.
namespace zentrova::cli {

std::vector<ManualEntry> FolderEnvironment();
std::vector<ManualEntry> SharedFiles();

}  // namespace zentrova::cli
