#pragma once

#include <string>
#include <vector>

// The one description of both programs' command lines. `--help`, the manual pages and the bash
// completion are all rendered from it, so none of them can tell a different story.
namespace zentrova::cli {

// A term and what it means: an option, an exit code, a file, an environment variable.
struct ManualEntry {
  std::string term;
  std::string text;
};

// A subcommand of the companion tool, with every form it takes (after the program's name).
struct ManualCommand {
  std::string name;
  std::vector<std::string> forms;
  std::string brief;  // one line for the list of commands
  std::string text;
  std::vector<ManualEntry> options;
};

struct ManualSection {
  std::string title;
  std::vector<ManualEntry> entries;
};

struct Manual {
  std::string program;
  std::string summary;                   // the one line after the name
  std::vector<std::string> synopsis;     // forms of the whole command line
  std::vector<std::string> description;  // paragraphs
  std::vector<ManualCommand> commands;
  std::vector<ManualSection> optionGroups;
  std::vector<ManualEntry> exitStatus;
  std::vector<ManualEntry> environment;
  std::vector<ManualEntry> files;
  std::vector<ManualEntry> examples;  // a command line and what it does
  std::vector<std::string> seeAlso;   // other pages, as "name(section)"
};

const Manual& ProgramManual();
const Manual& ToolManual();

// The command of `manual` called `name`; nullptr when there is none.
const ManualCommand* FindCommand(const Manual& manual, const std::string& name);

}  // namespace zentrova::cli
