#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "database_source.h"
#include "program/read_file.h"
#include "tool_command.h"

namespace zentrova::tool {

// The arguments of the db and strings sub-verbs: one input file and, where allowed, "-o FILE".
struct FileArguments {
  std::string input;
  std::string output;  // empty when not given
};

// Nothing on bad usage: no input, more than one, an "-o" without a file or where none is taken.
std::optional<FileArguments> ParseFileArguments(const std::vector<std::string>& args,
                                                bool takesOutput);

// Writes text to `output`, or to standard output when it is empty; false when writing failed.
bool WriteOutput(const std::string& output, const std::string& text);
// The same as the exit code of a subcommand, saying on standard error what could not be written.
int WriteCommandOutput(const std::string& output, const std::string& text);

// Reads and compiles the source file at `path` (at most `maxBytes`): what it compiles to, or
// the exit code after saying on standard error why not ("cannot read FILE", "FILE:LINE: …").
template <class Compiled>
std::variant<Compiled, int> CompileSourceFile(
    const std::string& path, std::size_t maxBytes,
    std::variant<Compiled, SourceError> (*compile)(std::string_view source)) {
  const FileBytes source = ReadWholeFile(path, maxBytes);
  if (!source) {
    return Fail(kFileError, "cannot read " + path);
  }
  auto compiled = compile(source.bytes);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    return FailAtLine(path, error->line, error->message);
  }
  return std::get<Compiled>(std::move(compiled));
}

// A verb of the commands that turn one file into another (db, strings):
// `zentrova-tool COMMAND VERB FILE [-o FILE]`.
struct FileVerb {
  enum Output : int { kStandardOutputOnly, kFileOrStandardOutput, kFileRequired };
  const char* name;
  Output output;
  int (*run)(const FileArguments& files);
};
// Runs the verb that args[0] names on the rest of args; a usage error, shown with the usage of
// `command`, when there is no such verb or its arguments are wrong.
int RunFileVerb(const std::string& command, std::span<const FileVerb> verbs,
                const std::vector<std::string>& args);

}  // namespace zentrova::tool
