#include <charconv>
#include <iostream>

#include "submission/keyword_text.h"
#include "tool_command.h"
#include "tool_commands.h"

namespace zentrova::tool {

int KeywordsCommand(const std::vector<std::string>& args) {
  if (args.size() != 7) {
    return Fail(kUsageError, UsageOf("keywords"));
  }
  int limit = 0;
  const auto& text = args[0];
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), limit);
  if (error != std::errc() || end != text.data() + text.size() || limit < 0 || limit > 32767) {
    return Fail(kUsageError, "LIMIT must be a number from 0 to 32767");
  }
  std::cout << BuildKeywordText(limit, args[1], args[2], args[3], args[4], args[5], args[6]);
  return kSuccess;
}

}  // namespace zentrova::tool
