#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "submission/keyword_text.h"
#include "text/code_page.h"
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
  // Built as a run builds it, from the session's code page, where LIMIT counts characters.
  std::vector<std::string> phrases;
  for (size_t i = 1; i < args.size(); ++i) {
    CodePageText phrase = Windows1252FromUtf8(args[i]);
    if (phrase.unmappable != 0) {
      return Fail(kUsageError, "K" + std::to_string(i) +
                                   " holds a character that a session cannot hold (Windows-1252)");
    }
    phrases.push_back(std::move(phrase.bytes));
  }
  std::cout << Utf8FromWindows1252(BuildKeywordText(limit, phrases[0], phrases[1], phrases[2],
                                                    phrases[3], phrases[4], phrases[5]));
  return kSuccess;
}

}  // namespace zentrova::tool
