#include "database_source.h"

#include <map>
#include <optional>

#include "database_source_text.h"
#include "engines/database_interpreter.h"
#include "engines/database_records.h"
#include "text/string_table.h"

namespace zentrova::tool {

namespace {

const std::map<std::string, char> kKindCodes = {
    {"search engine", 'S'}, {"directory", 'D'}, {"news", 'N'}, {"link listing", 'L'}};

// An engine block between "engine NAME" and "end": its settings, by keyword.
struct EngineBlock {
  int line = 0;
  std::string name;
  std::map<std::string, std::string> settings;
};

class SourceCompiler {
 public:
  std::optional<SourceError> Compile(std::string_view source) {
    for (const SourceLine& line : SplitSourceLines(source)) {
      if (auto problem = Statement(line)) {
        return SourceError{line.number, *problem};
      }
    }
    if (engine_) {
      return SourceError{engine_->line, "engine block is never closed with 'end'"};
    }
    return std::nullopt;
  }

  CompiledDatabase Result() { return std::move(result_); }

 private:
  std::optional<std::string> Statement(const SourceLine& line) {
    std::string error;
    std::string first;
    std::string second;
    const std::string& keyword = line.keyword;
    if (keyword == "engine") {
      if (engine_) {
        return "'engine' inside the engine block of line " + std::to_string(engine_->line);
      }
      if (!ReadSourceValue(line.rest, first, error)) {
        return error;
      }
      if (first.empty()) {
        return "an engine needs a name: engine NAME";
      }
      engine_ = EngineBlock{line.number, first, {}};
      return NoComma(first, "engine name");
    }
    if (keyword == "end") {
      if (!engine_) {
        return "'end' without an open engine block";
      }
      return CloseEngine(line.number);
    }
    if (keyword == "field") {
      if (!engine_) {
        return "'field' outside an engine block";
      }
      if (!ReadSourcePair(line.rest, first, second, error)) {
        return error;
      }
      if (auto problem = NoComma(first, "field name")) {
        return problem;
      }
      return Emit("1" + first + "," + second, line.number);
    }
    if (keyword == "protocol") {
      if (!engine_) {
        return "'protocol' outside an engine block";
      }
      if (!ReadSourceValue(line.rest, first, error)) {
        return error;
      }
      if (first != kIndexNowProtocolName) {
        return "the protocol is indexnow";
      }
      return Emit("6" + first, line.number);
    }
    if (keyword == "group") {
      if (!ReadSourcePair(line.rest, first, second, error)) {
        return error;
      }
      if (auto problem = NoComma(first, "group title")) {
        return problem;
      }
      return Emit("3" + first + "," + second, line.number);
    }
    if (keyword == "entry") {
      if (!ReadSourcePair(line.rest, first, second, error)) {
        return error;
      }
      if (!groupSeen_) {
        return "'entry' before any group";
      }
      if (first.find("[]") != std::string::npos) {
        return "an entry's value cannot contain \"[]\"";
      }
      return Emit("4" + first + "[]" + second, line.number);
    }
    if (keyword == "page" || keyword == "record") {
      if (!ReadSourceValue(line.rest, first, error)) {
        return error;
      }
      return Emit(keyword == "page" ? "5" + first : first, line.number);
    }
    if (engine_ && IsEngineSetting(keyword)) {
      if (engine_->settings.count(keyword) != 0) {
        return "'" + keyword + "' given twice for this engine";
      }
      if (!ReadSourceValue(line.rest, first, error)) {
        return error;
      }
      engine_->settings[keyword] = first;
      return std::nullopt;
    }
    if (IsEngineSetting(keyword)) {
      return "'" + keyword + "' outside an engine block";
    }
    return "unknown keyword '" + keyword + "'";
  }

  static bool IsEngineSetting(const std::string& keyword) {
    return keyword == "success" || keyword == "action" || keyword == "home" ||
           keyword == "method" || keyword == "kind" || keyword == "no-adult" ||
           keyword == "specialized";
  }

  static std::optional<std::string> NoComma(const std::string& text, const std::string& what) {
    if (text.find(',') != std::string::npos) {
      return "the " + what + " cannot contain a comma";
    }
    return std::nullopt;
  }

  std::optional<std::string> CloseEngine(int line) {
    const EngineBlock block = std::move(*engine_);
    engine_.reset();
    auto& settings = block.settings;
    for (const char* required : {"success", "action", "method", "kind"}) {
      if (settings.count(required) == 0) {
        return "engine '" + block.name + "' has no '" + required + "'";
      }
    }
    const auto flag = [&](const char* keyword) -> std::optional<char> {
      const auto found = settings.find(keyword);
      if (found == settings.end() || found->second == "no") {
        return 'F';
      }
      if (found->second == "yes") {
        return 'T';
      }
      return std::nullopt;
    };
    const auto noAdult = flag("no-adult");
    const auto specialized = flag("specialized");
    if (!noAdult || !specialized) {
      return "engine '" + block.name + "': no-adult and specialized are yes or no";
    }
    const std::string& method = settings.at("method");
    if (method != "GET" && method != "POST") {
      return "engine '" + block.name + "': method is GET or POST";
    }
    const auto kind = kKindCodes.find(settings.at("kind"));
    if (kind == kKindCodes.end()) {
      return "engine '" + block.name + "': kind is search engine, directory, news or link listing";
    }
    const std::string& success = settings.at("success");
    const std::string& action = settings.at("action");
    if (auto problem = NoComma(success, "success marker")) {
      return problem;
    }
    if (auto problem = NoComma(action, "action address")) {
      return problem;
    }
    const auto home = settings.find("home");
    return Emit("2" + block.name + "," + success + "," + *noAdult + *specialized + action + "," +
                    method.front() + kind->second +
                    (home == settings.end() ? std::string() : home->second),
                line);
  }

  std::optional<std::string> Emit(std::string record, int line) {
    if (!ScrambleText(record)) {
      return "a character with code 0, 1 or 255 cannot be stored";
    }
    if (record.size() > kMaxRecordText) {
      return "record longer than " + std::to_string(kMaxRecordText) + " characters";
    }
    groupSeen_ = groupSeen_ || (!record.empty() && record.front() == '3');
    result_.records.push_back(std::move(record));
    result_.lines.push_back(line);
    return std::nullopt;
  }

  std::optional<EngineBlock> engine_;
  bool groupSeen_ = false;
  CompiledDatabase result_;
};

}  // namespace

std::variant<CompiledDatabase, SourceError> CompileDatabaseSource(std::string_view source) {
  SourceCompiler compiler;
  if (auto error = compiler.Compile(source)) {
    return *error;
  }
  CompiledDatabase compiled = compiler.Result();
  if (const auto error = CheckDatabaseRecords(compiled.records)) {
    return SourceError{compiled.lines[error->record], error->message};
  }
  return compiled;
}

}  // namespace zentrova::tool
