#pragma once

#include <optional>
#include <string>
#include <vector>

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

}  // namespace zentrova::tool
