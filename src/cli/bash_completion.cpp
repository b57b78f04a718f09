#include "cli/bash_completion.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace zentrova::cli {

namespace {

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

// Option names of a term such as "-h, --help" or "--db DATABASE".
std::vector<std::string> OptionNames(const std::string& term) {
  std::vector<std::string> names;
  for (std::string word : Words(term)) {
    if (!word.empty() && word.back() == ',') {
      word.pop_back();
    }
    if (word.size() > 1 && word[0] == '-') {
      names.push_back(word);
    }
  }
  return names;
}

// Options followed by a value in their term; `files` gets those whose value names a file.
void ValueOptions(const std::vector<ManualEntry>& entries, std::set<std::string>& files,
                  std::set<std::string>& others) {
  static const std::set<std::string> kFileValues = {"FILE", "DATABASE", "SOURCE"};
  for (const ManualEntry& entry : entries) {
    const std::vector<std::string> words = Words(entry.term);
    if (words.size() == 2 && words[0][0] == '-') {
      (kFileValues.count(words[1]) != 0 ? files : others).insert(words[0]);
    }
  }
}

std::string Joined(const std::set<std::string>& words) {
  std::string out;
  for (const std::string& word : words) {
    out += (out.empty() ? "" : " ") + word;
  }
  return out;
}

std::string FunctionName(std::string program) {
  std::replace(program.begin(), program.end(), '-', '_');
  return "_" + program;
}

std::set<std::string> GroupOptions(const Manual& manual) {
  std::set<std::string> options;
  for (const ManualSection& group : manual.optionGroups) {
    for (const ManualEntry& entry : group.entries) {
      for (const std::string& name : OptionNames(entry.term)) {
        options.insert(name);
      }
    }
  }
  return options;
}

std::string CommandCases(const Manual& manual) {
  std::string out;
  for (const ManualCommand& command : manual.commands) {
    std::set<std::string> options = {"--help"};
    for (const ManualEntry& entry : command.options) {
      for (const std::string& name : OptionNames(entry.term)) {
        options.insert(name);
      }
    }
    std::set<std::string> actions;
    for (const std::string& form : command.forms) {
      const std::vector<std::string> words = Words(form);
      if (words.size() > 1 && std::islower(static_cast<unsigned char>(words[1][0]))) {
        actions.insert(words[1]);
      }
    }
    out += "    " + command.name + ") options=\"" + Joined(options) + "\" actions=\"" +
           Joined(actions) + "\" ;;\n";
  }
  return out;
}

}  // namespace

std::string BashCompletion(const Manual& manual) {
  std::set<std::string> fileOptions;
  std::set<std::string> valueOptions;
  for (const ManualCommand& command : manual.commands) {
    ValueOptions(command.options, fileOptions, valueOptions);
  }
  for (const ManualSection& group : manual.optionGroups) {
    ValueOptions(group.entries, fileOptions, valueOptions);
  }
  std::set<std::string> commands;
  for (const ManualCommand& command : manual.commands) {
    commands.insert(command.name);
  }
  const std::string function = FunctionName(manual.program);
  auto patterns = [](const std::set<std::string>& options) {
    std::string out;
    for (const std::string& option : options) {
      out += (out.empty() ? "" : "|") + option;
    }
    return out;
  };

  std::string out = "# bash completion for " + manual.program + "\n";
  out += function + "() {\n";
  out += "  local cur prev words cword\n";
  out += "  _init_completion || return\n";
  if (!fileOptions.empty() || !valueOptions.empty()) {
    out += "  case $prev in\n";
    if (!fileOptions.empty()) {
      out += "    " + patterns(fileOptions) + ") _filedir; return ;;\n";
    }
    if (!valueOptions.empty()) {
      out += "    " + patterns(valueOptions) + ") return ;;\n";
    }
    out += "  esac\n";
  }
  const std::string programOptions = Joined(GroupOptions(manual));
  if (commands.empty()) {
    out += "  COMPREPLY=($(compgen -W \"" + programOptions + "\" -- \"$cur\"))\n";
    out += "}\ncomplete -F " + function + " " + manual.program + "\n";
    return out;
  }
  out += "  if ((cword == 1)); then\n";
  out += "    COMPREPLY=($(compgen -W \"" + Joined(commands) + " " + programOptions +
         "\" -- \"$cur\"))\n";
  out += "    return\n";
  out += "  fi\n";
  out += "  local options=\"\" actions=\"\"\n";
  out += "  case ${words[1]} in\n" + CommandCases(manual) + "    *) return ;;\n  esac\n";
  out += "  if ((cword == 2)) && [[ -n $actions ]]; then\n";
  out += "    COMPREPLY=($(compgen -W \"$actions\" -- \"$cur\"))\n";
  out += "  elif [[ $cur == -* ]]; then\n";
  out += "    COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n";
  out += "  else\n";
  out += "    _filedir\n";
  out += "  fi\n";
  out += "}\ncomplete -F " + function + " " + manual.program + "\n";
  return out;
}

}  // namespace zentrova::cli
