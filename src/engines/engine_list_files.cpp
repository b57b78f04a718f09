#include "engines/engine_list_files.h"

#include <string_view>
#include <unordered_map>

#include "engines/categories.h"
#include "engines/database_records.h"
#include "engines/engine_lists.h"
#include "program/read_file.h"
#include "program/replace_file.h"
#include "session/file_dialogs.h"
#include "session/session_model.h"

namespace zentrova {
namespace {

constexpr char kEngineListExtension[] = "sel";
// A line for each engine of the table, each no longer than a database record can make a name.
constexpr size_t kMaxEngineListFileBytes = kMaxEngines * (kMaxRecordText + 2);

// The engine's own name, never the row's text, which may carry its category.
const std::string* RowEngineName(const Program& program, const ListRow& row) {
  if (row.data < 1 || row.data > program.database.EngineCount()) {
    return nullptr;
  }
  return &program.database.Engine(row.data).name;
}

}  // namespace

FileOutcome SaveEngineList(Program& program, const std::string& path) {
  std::string text;
  for (const ListRow& row : program.engineLists.engineList.Rows()) {
    const std::string* name = row.marked ? RowEngineName(program, row) : nullptr;
    if (name != nullptr) {
      text += *name + kCrLf;
    }
  }
  return ReplaceFileBytes(path, text);
}

FileOutcome LoadEngineList(Program& program, const std::string& path) {
  const FileBytes file = ReadWholeFile(path, kMaxEngineListFileBytes);
  if (!file) {
    return file.outcome;
  }
  const std::string& text = file.bytes;
  SortedList& engineList = program.engineLists.engineList;
  // Each name leads to the first row of its engine, so a long list costs one look-up a line.
  std::unordered_map<std::string_view, int> rowOfName;
  for (int index = 0; index < engineList.Count(); ++index) {
    engineList.SetMarked(index, false);
    if (const std::string* name = RowEngineName(program, engineList.Row(index))) {
      rowOfName.emplace(*name, index);
    }
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    start = end + 1;
    if (const auto row = rowOfName.find(line); row != rowOfName.end()) {
      engineList.SetMarked(row->second, true);
    }
  }
  MarkSessionChanged(program);
  program.views.Changed(View::EngineList);
  UpdateQueueStatus(program);
  return FileOutcome::Done();
}

void SaveEngineListCommand(Program& program) {
  const std::string path =
      SaveFileDialog(program, program.engineLists.lastEngineListFile, kEngineListExtension);
  if (!path.empty()) {
    WrittenOrTold(program, path, SaveEngineList(program, path));
  }
}

void LoadEngineListCommand(Program& program) {
  const std::string path = OpenFileDialog(program, kEngineListFiles, "");
  if (path.empty()) {
    return;
  }
  HideEngineCategories(program);
  program.engineLists.lastEngineListFile = path;
  const FileOutcome outcome = LoadEngineList(program, path);
  if (!outcome) {
    program.ports.dialogs->ShowMessage(ReadFailureMessage(path, outcome), MessageButtons::Ok,
                                       MessageIcon::Exclamation, kAppTitle);
  }
}

}  // namespace zentrova
