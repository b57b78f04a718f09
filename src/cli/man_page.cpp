#include "cli/man_page.h"

#include <cctype>

namespace zentrova::cli {

namespace {

// Roff reads a backslash as an escape, a line's leading dot or quote as a request, and a plain
// "-" as a hyphen that may be typeset as a dash or broken at, which an option name must not be.
std::string Escaped(const std::string& text, bool dashesAreMinus) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == '-' ||
                           text[i - 1] == '[' || text[i - 1] == '|';
    if (c == '\\') {
      out += "\\e";
    } else if (c == '-' && (dashesAreMinus || wordStart)) {
      out += "\\-";
    } else {
      out += c;
    }
  }
  if (!out.empty() && (out[0] == '.' || out[0] == '\'')) {
    out.insert(0, "\\&");
  }
  return out;
}

// A word a user replaces (SESSION, K1, QT-OPTIONS): capitals, digits and dashes only.
bool IsPlaceholder(const std::string& word) {
  bool capital = false;
  for (const char c : word) {
    if (std::islower(static_cast<unsigned char>(c))) {
      return false;
    }
    capital = capital || std::isupper(static_cast<unsigned char>(c));
  }
  return capital && word[0] != '-';
}

// A command line in the usual man page style: what is typed bold, what is replaced italic,
// brackets and bars upright.
std::string Styled(const std::string& line) {
  std::string out;
  size_t i = 0;
  while (i < line.size()) {
    if (std::string(" []|,").find(line[i]) != std::string::npos) {
      out += line[i++];
      continue;
    }
    size_t end = line.find_first_of(" []|,", i);
    if (end == std::string::npos) {
      end = line.size();
    }
    const std::string word = line.substr(i, end - i);
    out += (IsPlaceholder(word) ? "\\fI" : "\\fB") + Escaped(word, true) + "\\fR";
    i = end;
  }
  return out;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return text;
}

std::string Paragraphs(const std::vector<std::string>& paragraphs) {
  std::string out;
  for (size_t i = 0; i < paragraphs.size(); ++i) {
    out += (i == 0 ? "" : ".PP\n") + Escaped(paragraphs[i], false) + '\n';
  }
  return out;
}

std::string TaggedEntries(const std::vector<ManualEntry>& entries, const char* termFont) {
  std::string out;
  for (const ManualEntry& entry : entries) {
    const std::string term = termFont == nullptr
                                 ? Styled(entry.term)
                                 : std::string(termFont) + Escaped(entry.term, true) + "\\fR";
    out += ".TP\n" + term + '\n' + Escaped(entry.text, false) + '\n';
  }
  return out;
}

std::string Section(const std::string& title, const std::string& body) {
  return body.empty() ? "" : ".SH " + title + '\n' + body;
}

std::string SeeAlso(const std::vector<std::string>& pages) {
  std::string out;
  for (size_t i = 0; i < pages.size(); ++i) {
    const size_t open = pages[i].find('(');
    out += ".BR " + Escaped(pages[i].substr(0, open), true) + ' ' + pages[i].substr(open) +
           (i + 1 < pages.size() ? " ," : "") + '\n';
  }
  return out;
}

}  // namespace

std::string ManPage(const Manual& manual, const std::string& date) {
  const std::string name = Escaped(manual.program, true);
  std::string out = ".TH " + Upper(name) + " 1 \"" + date +
                    "\" \"Zentrova " ZENTROVA_VERSION "\" \"User Commands\"\n";
  out += ".SH NAME\n" + name + " \\- " + Escaped(manual.summary, false) + '\n';
  std::string synopsis;
  for (const std::string& form : manual.synopsis) {
    synopsis += (synopsis.empty() ? "" : ".br\n") + Styled(manual.program + ' ' + form) + '\n';
  }
  out += Section("SYNOPSIS", synopsis);
  out += Section("DESCRIPTION", Paragraphs(manual.description));
  std::string commands;
  for (const ManualCommand& command : manual.commands) {
    commands += ".TP\n";
    for (size_t i = 0; i < command.forms.size(); ++i) {
      commands += (i == 0 ? "" : ".TQ\n") + Styled(command.forms[i]) + '\n';
    }
    commands += Escaped(command.text, false) + '\n';
    if (!command.options.empty()) {
      commands += ".RS\n" + TaggedEntries(command.options, nullptr) + ".RE\n";
    }
  }
  out += Section("COMMANDS", commands);
  for (const ManualSection& group : manual.optionGroups) {
    out += Section(Upper(group.title), TaggedEntries(group.entries, nullptr));
  }
  out += Section("EXIT STATUS", TaggedEntries(manual.exitStatus, "\\fB"));
  out += Section("ENVIRONMENT", TaggedEntries(manual.environment, "\\fB"));
  out += Section("FILES", TaggedEntries(manual.files, "\\fI"));
  out += Section("EXAMPLES", TaggedEntries(manual.examples, "\\fB"));
  out += Section("SEE ALSO", SeeAlso(manual.seeAlso));
  return out;
}

}  // namespace zentrova::cli
