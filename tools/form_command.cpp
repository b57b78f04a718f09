// zentrova-tool form SESSION ENGINE --db DATABASE [--deep N]: the submission page a run writes
// into the browser for one engine, with the session's profile collected as a run collects it.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "session/session_model.h"
#include "submission/request_builder.h"
#include "submission/run_controller.h"
#include "text/code_page.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {
namespace {

struct FormArguments {
  std::string session;
  std::string engine;
  std::string database;
  std::string deep = "0";
};

bool ParseArguments(const std::vector<std::string>& args, FormArguments& parsed) {
  std::vector<std::string> positional;
  for (size_t i = 0; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--db" && hasValue) {
      parsed.database = args[++i];
    } else if (args[i] == "--deep" && hasValue) {
      parsed.deep = args[++i];
    } else if (args[i].rfind("--", 0) == 0) {
      return false;
    } else {
      positional.push_back(args[i]);
    }
  }
  if (positional.size() != 2 || parsed.database.empty()) {
    return false;
  }
  parsed.session = positional[0];
  parsed.engine = positional[1];
  return true;
}

// The deep link number as a run counts it: 0 for the main page, 1 … for the links.
bool ParseDeepLink(const std::string& text, int available, int& deep) {
  if (text.empty() || text.size() > 2 ||
      text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  deep = std::stoi(text);
  return deep <= available;
}

// `name` as typed, in UTF-8; the database names engines in its own code page.
int FindEngine(const Program& program, const std::string& name) {
  const CodePageText wanted = Windows1252FromUtf8(name);
  if (wanted.unmappable != 0) {
    return 0;
  }
  for (int slot = 1; slot <= program.database.EngineCount(); ++slot) {
    if (program.database.Engine(slot).name == wanted.bytes) {
      return slot;
    }
  }
  return 0;
}

}  // namespace

int FormCommand(const std::vector<std::string>& args) {
  FormArguments arguments;
  if (!ParseArguments(args, arguments)) {
    return Fail(kUsageError, UsageOf("form"));
  }
  ToolProgram tool;
  Program& program = tool.program;
  if (const int code = tool.OpenDatabaseAndSession(arguments.database, arguments.session);
      code != kSuccess) {
    return code;
  }
  const int slot = FindEngine(program, arguments.engine);
  if (slot == 0) {
    return Fail(kUsageError, "no engine named '" + arguments.engine + "' in " + arguments.database);
  }
  const int available =
      std::min(static_cast<int>(program.deepPromotion.links.size()), kMaxDeepLinksPerEngine);
  int deep = 0;
  if (!ParseDeepLink(arguments.deep, available, deep)) {
    return Fail(kUsageError, "--deep takes a number from 0 to " + std::to_string(available) +
                                 " (the deep links a run sends for this session)");
  }

  CollectSession(program);
  program.run.currentEngine = slot;
  program.run.deepLinkCounter = deep;
  std::cout << Utf8FromWindows1252(SubmissionPage(BuildSubmissionForm(program)));
  return kSuccess;
}

}  // namespace zentrova::tool
