#include <variant>

#include "db_arguments.h"
#include "program/read_file.h"
#include "strings_source.h"
#include "text/string_table.h"
#include "tool_command.h"
#include "tool_commands.h"

namespace zentrova::tool {

namespace {

int Compile(const FileArguments& files) {
  const FileBytes source = ReadWholeFile(files.input, kMaxStringTableFileBytes);
  if (!source) {
    return Fail(kFileError, "cannot read " + files.input);
  }
  const auto compiled = CompileStringsSource(source.bytes);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    return Fail(kFileError,
                files.input + ":" + std::to_string(error->line) + ": " + error->message);
  }
  if (!WriteStringTableFile(files.output, std::get<std::map<int, std::string>>(compiled))) {
    return Fail(kFileError, "cannot write " + files.output);
  }
  return kSuccess;
}

int Dump(const FileArguments& files) {
  if (!ReadWholeFile(files.input, kMaxStringTableFileBytes)) {
    return Fail(kFileError, "cannot read " + files.input);
  }
  const auto table = ReadStringTableFile(files.input);
  if (!table) {
    return Fail(kFileError, files.input + ": not a well-formed string table");
  }
  if (!WriteOutput("", DecompileStrings(*table))) {
    return Fail(kFileError, "cannot write to standard output");
  }
  return kSuccess;
}

}  // namespace

int StringsCommand(const std::vector<std::string>& args) {
  if (args.empty()) {
    return Fail(kUsageError, UsageOf("strings"));
  }
  const std::string& verb = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  const auto files = ParseFileArguments(rest, verb == "compile");
  if (!files || (verb == "compile" && files->output.empty())) {
    return Fail(kUsageError, UsageOf("strings"));
  }
  if (verb == "compile") {
    return Compile(*files);
  }
  if (verb == "dump") {
    return Dump(*files);
  }
  return Fail(kUsageError, UsageOf("strings"));
}

}  // namespace zentrova::tool
