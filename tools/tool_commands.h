#pragma once

#include <string>
#include <vector>

// Entry points of the subcommands, one per line; each lives in its own *_command.cpp.
namespace zentrova::tool {

int KeywordsCommand(const std::vector<std::string>& args);

}  // namespace zentrova::tool
