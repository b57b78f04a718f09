#include <variant>

#include "database_source.h"
#include "db_arguments.h"
#include "engines/database_records.h"
#include "program/read_file.h"
#include "tool_command.h"
#include "tool_commands.h"

namespace zentrova::tool {

namespace {

int Compile(const FileArguments& files) {
  const auto compiled =
      CompileSourceFile(files.input, kMaxDatabaseFileBytes, CompileDatabaseSource);
  if (const int* code = std::get_if<int>(&compiled)) {
    return *code;
  }
  const auto& database = std::get<CompiledDatabase>(compiled);
  const auto image = BuildDatabaseFile(database.records);
  if (image.badRecord) {
    return FailAtLine(files.input, database.lines[*image.badRecord], "record cannot be stored");
  }
  return WriteCommandOutput(files.output, image.bytes);
}

// The records of a database file, or the exit code after the one line explaining why not.
std::variant<std::vector<std::string>, int> ReadRecords(const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxDatabaseFileBytes);
  if (!file) {
    return Fail(kFileError, "cannot read " + path);
  }
  DatabaseRecords read = ReadDatabaseRecords(file.bytes);
  if (read.error) {
    return Fail(kFileError, path + ": at byte " + std::to_string(read.error->offset) + ": " +
                                read.error->message);
  }
  return std::move(read.records);
}

int Dump(const FileArguments& files) {
  auto read = ReadRecords(files.input);
  if (const int* code = std::get_if<int>(&read)) {
    return *code;
  }
  std::string text;
  for (const auto& record : std::get<std::vector<std::string>>(read)) {
    text += record;
    text += '\n';
  }
  return WriteCommandOutput("", text);
}

int Decompile(const FileArguments& files) {
  auto read = ReadRecords(files.input);
  if (const int* code = std::get_if<int>(&read)) {
    return *code;
  }
  return WriteCommandOutput(files.output,
                            DecompileDatabase(std::get<std::vector<std::string>>(read)));
}

constexpr FileVerb kVerbs[] = {
    {"compile", FileVerb::kFileRequired, Compile},
    {"dump", FileVerb::kStandardOutputOnly, Dump},
    {"decompile", FileVerb::kFileOrStandardOutput, Decompile},
};

}  // namespace

int DbCommand(const std::vector<std::string>& args) {
  return RunFileVerb("db", kVerbs, args);
}

}  // namespace zentrova::tool
