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
  const FileBytes source = ReadWholeFile(files.input, kMaxDatabaseFileBytes);
  if (!source) {
    return Fail(kFileError, "cannot read " + files.input);
  }
  const auto compiled = CompileDatabaseSource(source.bytes);
  if (const auto* error = std::get_if<SourceError>(&compiled)) {
    return Fail(kFileError,
                files.input + ":" + std::to_string(error->line) + ": " + error->message);
  }
  const auto& database = std::get<CompiledDatabase>(compiled);
  const auto image = BuildDatabaseFile(database.records);
  if (image.badRecord) {
    return Fail(kFileError, files.input + ":" + std::to_string(database.lines[*image.badRecord]) +
                                ": record cannot be stored");
  }
  if (!WriteOutput(files.output, image.bytes)) {
    return Fail(kFileError, "cannot write " + files.output);
  }
  return kSuccess;
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
  if (!WriteOutput("", text)) {
    return Fail(kFileError, "cannot write to standard output");
  }
  return kSuccess;
}

int Decompile(const FileArguments& files) {
  auto read = ReadRecords(files.input);
  if (const int* code = std::get_if<int>(&read)) {
    return *code;
  }
  if (!WriteOutput(files.output, DecompileDatabase(std::get<std::vector<std::string>>(read)))) {
    return Fail(kFileError,
                "cannot write " + (files.output.empty() ? "to standard output" : files.output));
  }
  return kSuccess;
}

}  // namespace

int DbCommand(const std::vector<std::string>& args) {
  if (args.empty()) {
    return Fail(kUsageError, UsageOf("db"));
  }
  const std::string& verb = args[0];
  const std::vector<std::string> rest(args.begin() + 1, args.end());
  const bool takesOutput = verb != "dump";
  const auto files = ParseFileArguments(rest, takesOutput);
  if (!files || (verb == "compile" && files->output.empty())) {
    return Fail(kUsageError, UsageOf("db"));
  }
  if (verb == "compile") {
    return Compile(*files);
  }
  if (verb == "dump") {
    return Dump(*files);
  }
  if (verb == "decompile") {
    return Decompile(*files);
  }
  return Fail(kUsageError, UsageOf("db"));
}

}  // namespace zentrova::tool
