#include "cli/help_text.h"

#include <sstream>

namespace zentrova::cli {

namespace {

constexpr size_t kWidth = 79;
constexpr size_t kTermIndent = 2;
constexpr size_t kTextIndent = 6;
// A short term keeps its text on its own line, in a column of its own.
constexpr size_t kEntryColumn = 24;

// `text` as lines no longer than kWidth, each indented by `indent`.
std::string Wrapped(const std::string& text, size_t indent) {
  std::string out;
  std::string line;
  std::istringstream words(text);
  std::string word;
  while (words >> word) {
    if (!line.empty() && indent + line.size() + 1 + word.size() > kWidth) {
      out += std::string(indent, ' ') + line + '\n';
      line.clear();
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) {
    out += std::string(indent, ' ') + line + '\n';
  }
  return out;
}

std::string Entries(const std::string& title, const std::vector<ManualEntry>& entries) {
  if (entries.empty()) {
    return "";
  }
  std::string out = "\n" + title + ":\n";
  for (const ManualEntry& entry : entries) {
    const std::string term = std::string(kTermIndent, ' ') + entry.term;
    const std::string text = Wrapped(entry.text, kEntryColumn);
    if (term.size() + 2 <= kEntryColumn) {
      out += term + text.substr(term.size());
    } else {
      out += term + '\n' + text;
    }
  }
  return out;
}

std::string Usage(const Manual& manual, const std::vector<std::string>& forms,
                  const std::string& first) {
  std::string out;
  for (size_t i = 0; i < forms.size(); ++i) {
    out +=
        (i == 0 ? first : std::string(first.size(), ' ')) + manual.program + ' ' + forms[i] + '\n';
  }
  return out;
}

}  // namespace

std::string HelpText(const Manual& manual) {
  std::string out = Usage(manual, manual.synopsis, "Usage: ");
  out += Wrapped(manual.program + " - " + manual.summary + ".", 0);
  if (!manual.commands.empty()) {
    out += "\nCommands:\n";
    for (const ManualCommand& command : manual.commands) {
      for (const std::string& form : command.forms) {
        out += std::string(kTermIndent, ' ') + form + '\n';
      }
      out += Wrapped(command.brief, kTextIndent);
    }
  }
  for (const ManualSection& group : manual.optionGroups) {
    out += Entries(group.title, group.entries);
  }
  out += Entries("Exit status", manual.exitStatus);
  out += Entries("Environment", manual.environment);
  out += "\nThe manual page " + manual.program + "(1) tells more.\n";
  return out;
}

std::string CommandHelpText(const Manual& manual, const ManualCommand& command) {
  std::string out = Usage(manual, command.forms, "Usage: ");
  out += "\n" + Wrapped(command.text, 0);
  out += Entries("Options", command.options);
  return out;
}

std::string UsageText(const Manual& manual, const ManualCommand& command) {
  std::string out = "usage: " + manual.program + ' ';
  for (size_t i = 0; i < command.forms.size(); ++i) {
    out += (i == 0 ? "" : " | ") + command.forms[i];
  }
  return out;
}

std::string VersionText(const Manual& manual) {
  return manual.program + " " + ZENTROVA_VERSION + "\n";
}

}  // namespace zentrova::cli
