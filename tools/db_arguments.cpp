#include "db_arguments.h"

#include <iostream>

#include "program/replace_file.h"

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

}  // namespace zentrova::tool
