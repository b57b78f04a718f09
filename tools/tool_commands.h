#pragma once

#include <string>
#include <vector>

// Entry points of the subcommands, one per line; each lives in its own *_command.cpp.
namespace zentrova::tool {

int KeywordsCommand(const std::vector<std::string>& args);
int FormCommand(const std::vector<std::string>& args);
int DbCommand(const std::vector<std::string>& args);
int StringsCommand(const std::vector<std::string>& args);
int SessionCommand(const std::vector<std::string>& args);
int ReportCommand(const std::vector<std::string>& args);
int MetaCommand(const std::vector<std::string>& args);
// Built only with the embedded browser (ZENTROVA_BROWSER_COMMANDS).
int RunCommand(const std::vector<std::string>& args);
int CaptureCommand(const std::vector<std::string>& args);
int IndexNowCommand(const std::vector<std::string>& args);

}  // namespace zentrova::tool
