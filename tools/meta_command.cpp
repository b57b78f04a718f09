// zentrova-tool meta SESSION SOURCE [--new-file NAME]: the META copy of SOURCE that
// "&Generate " writes with SESSION open and SOURCE typed into the source box; the new file's
// name is the one the session's New File box holds unless --new-file gives one.
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "meta/meta_generator.h"
#include "session/session_model.h"
#include "text/code_page.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {

namespace {

struct MetaArguments {
  std::string session;
  std::string source;
  std::optional<std::string> newFile;
};

std::optional<MetaArguments> ParseMetaArguments(const std::vector<std::string>& args) {
  MetaArguments parsed;
  std::vector<std::string> files;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--new-file" && i + 1 < args.size() && !args[i + 1].empty() && !parsed.newFile) {
      parsed.newFile = args[++i];
    } else if (!arg.empty() && arg[0] != '-') {
      files.push_back(arg);
    } else {
      return std::nullopt;
    }
  }
  if (files.size() != 2) {
    return std::nullopt;
  }
  parsed.session = files[0];
  parsed.source = files[1];
  return parsed;
}

}  // namespace

int MetaCommand(const std::vector<std::string>& args) {
  const std::optional<MetaArguments> arguments = ParseMetaArguments(args);
  if (!arguments) {
    return Fail(kUsageError, UsageOf("meta"));
  }
  if (const int code = RequireReadableFiles({arguments->session, arguments->source});
      code != kSuccess) {
    return code;
  }
  ToolProgram tool;
  tool.EchoMessages(false);
  if (!tool.OpenSession(arguments->session)) {
    return Fail(kFileError, "cannot recognize the session file " + arguments->session);
  }
  Program& program = tool.program;
  const std::filesystem::path source(arguments->source);
  const CodePageText sourceText = Windows1252FromUtf8(source.string());
  if (sourceText.unmappable > 0) {
    return Fail(kFileError, "the session cannot keep the name " + arguments->source);
  }
  program.session.profile[kLastOpenedFileName] = PathText(source.filename().string());
  SetBoxText(program, kMetaSourceFile, sourceText.bytes);
  if (arguments->newFile) {
    SetBoxText(program, kMetaNewFile, PathText(*arguments->newFile));
  }
  const std::size_t shown = tool.Messages().size();
  const bool written = GenerateMetaTags(program);
  const std::string message =
      tool.Messages().size() > shown ? tool.Messages().back() : std::string();
  if (!written) {
    return Fail(kFileError, message.empty() ? "cannot write the new file" : message);
  }
  std::cout << message << '\n';
  return kSuccess;
}

}  // namespace zentrova::tool
