#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zentrova::tool {

// The arguments of the subcommands that read a session with its database:
// SESSION --db DATABASE [-o FILE], and at most one of a set of alternative options.
struct SessionArguments {
  std::string session;
  std::string database;
  std::string output;  // empty: standard output
  std::string choice;  // the alternative given, empty when none
};

// Nothing on bad usage: a missing session or database, an option twice, an unknown option.
std::optional<SessionArguments> ParseSessionArguments(const std::vector<std::string>& args,
                                                      const std::vector<std::string>& choices);

class ToolProgram;
// Opens the session with its database as the program shows it once opened, its boxes
// collected; the subcommand's exit code. The subcommand reports failures in its own words.
int OpenSessionQuietly(ToolProgram& tool, const SessionArguments& arguments);

}  // namespace zentrova::tool
