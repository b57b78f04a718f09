#include "db_arguments.h"

#include <algorithm>
#include <iostream>

#include "program/replace_file.h"
#include "tool_command.h"

namespace zentrova::tool {

std::optional<FileArguments> ParseFileArguments(const std::vector<std::string>& args,
                                                bool takesOutput) {
  FileArguments parsed;
  bool haveInput = false;
  bool haveOutput = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o") {
      if (!takesOutput || haveOutput || i + 1 == args.size() || args[i + 1].empty()) {
        return std::nullopt;
      }
      parsed.output = args[++i];
      haveOutput = true;
    } else if (!haveInput && !args[i].empty() && args[i].front() != '-') {
      parsed.input = args[i];
      haveInput = true;
    } else {
      return std::nullopt;
    }
  }
  if (!haveInput) {
    return std::nullopt;
  }
  return parsed;
}

bool WriteOutput(const std::string& output, const std::string& text) {
  if (output.empty()) {
    std::cout << text;
    std::cout.flush();
    return static_cast<bool>(std::cout);
  }
  return ReplaceFileBytes(output, text).done;
}

int WriteCommandOutput(const std::string& output, const std::string& text) {
  if (!WriteOutput(output, text)) {
    return Fail(kFileError, "cannot write " + (output.empty() ? "to standard output" : output));
  }
  return kSuccess;
}

int RunFileVerb(const std::string& command, std::span<const FileVerb> verbs,
                const std::vector<std::string>& args) {
  const auto verb =
      args.empty() ? verbs.end() : std::find_if(verbs.begin(), verbs.end(), [&](const FileVerb& v) {
        return args[0] == v.name;
      });
  if (verb == verbs.end()) {
    return Fail(kUsageError, UsageOf(command));
  }
  const auto files = ParseFileArguments(std::vector<std::string>(args.begin() + 1, args.end()),
                                        verb->output != FileVerb::kStandardOutputOnly);
  if (!files || (verb->output == FileVerb::kFileRequired && files->output.empty())) {
    return Fail(kUsageError, UsageOf(command));
  }
  return verb->run(*files);
}

}  // namespace zentrova::tool
