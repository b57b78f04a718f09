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
  const auto compiled =
      CompileSourceFile(files.input, kMaxStringTableFileBytes, CompileStringsSource);
  if (const int* code = std::get_if<int>(&compiled)) {
    return *code;
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
  return WriteCommandOutput("", DecompileStrings(*table));
}

constexpr FileVerb kVerbs[] = {
    {"compile", FileVerb::kFileRequired, Compile},
    {"dump", FileVerb::kStandardOutputOnly, Dump},
};

}  // namespace

int StringsCommand(const std::vector<std::string>& args) {
  return RunFileVerb("strings", kVerbs, args);
}

}  // namespace zentrova::tool
