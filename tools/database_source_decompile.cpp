#include <optional>

#include "database_source.h"
#include "database_source_text.h"
#include "engines/engine_record.h"
#include "session/session_state.h"

namespace zentrova::tool {

namespace {

constexpr char kIndent[] = "  ";

// The parts of an engine record that the source's engine block can say exactly.
struct EngineSettings {
  std::string name;
  std::string success;
  bool noAdult = false;
  bool specialized = false;
  std::string action;
  std::string method;
  std::string kind;
  std::string home;
};

bool IsFlag(char c) {
  return c == 'T' || c == 'F';
}

std::optional<std::string> KindWord(char code) {
  switch (code) {
    case 'S':
      return "search engine";
    case 'D':
      return "directory";
    case 'N':
      return "news";
    case 'L':
      return "link listing";
    default:
      return std::nullopt;
  }
}

// Nothing when the record has a shape the compiler would not write (odd flag or code
// characters, missing commas, no name); such a record is kept as a raw record instead.
std::optional<EngineSettings> ReadEngineSettings(const std::string& record) {
  const size_t nameEnd = record.find(',');
  if (nameEnd == std::string::npos || nameEnd == 1) {
    return std::nullopt;
  }
  const size_t markerEnd = record.find(',', nameEnd + 1);
  if (markerEnd == std::string::npos || markerEnd + 3 > record.size()) {
    return std::nullopt;
  }
  const size_t actionEnd = record.find(',', markerEnd + 3);
  if (actionEnd == std::string::npos || actionEnd + 3 > record.size()) {
    return std::nullopt;
  }
  const char method = record[actionEnd + 1];
  const auto kind = KindWord(record[actionEnd + 2]);
  if (!IsFlag(record[markerEnd + 1]) || !IsFlag(record[markerEnd + 2]) || !kind ||
      (method != 'G' && method != 'P')) {
    return std::nullopt;
  }
  EngineSettings engine;
  engine.name = record.substr(1, nameEnd - 1);
  engine.success = record.substr(nameEnd + 1, markerEnd - nameEnd - 1);
  engine.noAdult = record[markerEnd + 1] == 'T';
  engine.specialized = record[markerEnd + 2] == 'T';
  engine.action = record.substr(markerEnd + 3, actionEnd - markerEnd - 3);
  engine.method = method == 'G' ? "GET" : "POST";
  engine.kind = *kind;
  engine.home = record.substr(actionEnd + 3);
  return engine;
}

// A group record the compiler writes: a title, a comma and the slot in plain decimal.
bool IsPlainGroup(const std::string& record) {
  const size_t comma = record.find(',');
  if (comma == std::string::npos) {
    return false;
  }
  const std::string number = record.substr(comma + 1);
  if (number.empty() || number.size() > 3 || number.front() == '0' ||
      number.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  return std::stoi(number) <= kProfileSlotCount;
}

class Decompiler {
 public:
  explicit Decompiler(const std::vector<std::string>& records) : records_(records) {}

  std::string Run() {
    out_ = "# Zentrova submission database source (see data/README.md)\n";
    for (size_t i = 0; i < records_.size(); ++i) {
      const std::string& record = records_[i];
      const char kind = record.empty() ? '\0' : record.front();
      if (kind == '1' || kind == '2' || kind == '6') {
        i = Engine(i);
      } else {
        Statement(record, "");
      }
    }
    return out_;
  }

 private:
  // Writes the engine whose "2" record closes the run starting at `first`, or the "1" or "6"
  // record at `first` as a raw record when no well-formed engine record closes it. Returns the
  // index of the last record written.
  size_t Engine(size_t first) {
    // Remembered across calls: a run of raw field records would otherwise rescan its tail.
    if (!close_ || *close_ < first) {
      close_ = first;
      while (*close_ < records_.size() && records_[*close_].rfind('2', 0) != 0) {
        ++*close_;
      }
    }
    const size_t close = *close_;
    const auto engine =
        close < records_.size() ? ReadEngineSettings(records_[close]) : std::nullopt;
    if (!engine) {
      Line("", "record " + FormatSourceValue(records_[first]));
      return first;
    }
    out_ += '\n';
    Line("", "engine " + FormatSourceValue(engine->name));
    Line(kIndent, "success " + FormatSourceValue(engine->success));
    Line(kIndent, "action " + FormatSourceValue(engine->action));
    Line(kIndent, "method " + engine->method);
    Line(kIndent, "kind " + engine->kind);
    if (!engine->home.empty()) {
      Line(kIndent, "home " + FormatSourceValue(engine->home));
    }
    Line(kIndent, std::string("no-adult ") + (engine->noAdult ? "yes" : "no"));
    Line(kIndent, std::string("specialized ") + (engine->specialized ? "yes" : "no"));
    for (size_t i = first; i < close; ++i) {
      Statement(records_[i], kIndent);
    }
    Line("", "end");
    return close;
  }

  void Statement(const std::string& record, const std::string& indent) {
    const char kind = record.empty() ? '\0' : record.front();
    const std::string body = record.empty() ? std::string() : record.substr(1);
    const size_t comma = body.find(',');
    const size_t separator = body.find("[]");
    if (kind == '1' && comma != std::string::npos) {
      Line(indent, "field " + FormatSourcePairLeft(body.substr(0, comma)) + " = " +
                       FormatSourceValue(body.substr(comma + 1)));
    } else if (kind == '3' && IsPlainGroup(record)) {
      groupSeen_ = true;
      Line(indent,
           "group " + FormatSourcePairLeft(body.substr(0, comma)) + " = " + body.substr(comma + 1));
    } else if (kind == '4' && groupSeen_ && separator != std::string::npos) {
      Line(indent + kIndent, "entry " + FormatSourcePairLeft(body.substr(0, separator)) + " = " +
                                 FormatSourceValue(body.substr(separator + 2)));
    } else if (kind == '6' && !indent.empty() && body == kIndexNowProtocolName) {
      Line(indent, "protocol " + body);
    } else if (kind == '5') {
      Line(indent, "page " + FormatSourceValue(body));
    } else {
      groupSeen_ = groupSeen_ || kind == '3';
      Line(indent, "record " + FormatSourceValue(record));
    }
  }

  void Line(const std::string& indent, const std::string& text) { out_ += indent + text + '\n'; }

  const std::vector<std::string>& records_;
  std::optional<size_t> close_;
  bool groupSeen_ = false;
  std::string out_;
};

}  // namespace

std::string DecompileDatabase(const std::vector<std::string>& records) {
  return Decompiler(records).Run();
}

}  // namespace zentrova::tool
