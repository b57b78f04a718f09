#include "engines/engine_list_files.h"

#include <fstream>
#include <iterator>

#include "engines/categories.h"
#include "engines/engine_lists.h"
#include "program/replace_file.h"
#include "session/file_dialogs.h"
#include "session/session_model.h"

namespace zentrova {
namespace {

constexpr char kEngineListExtension[] = "sel";

// The engine's own name, never the row's text, which may carry its category.
const std::string* RowEngineName(const Program& program, const ListRow& row) {
  if (row.data < 1 || row.data > program.database.EngineCount()) {
    return nullptr;
  }
  return &program.database.Engine(row.data).name;
}

}  // namespace

void SaveEngineList(Program& program, const std::string& path) {
  std::string text;
  for (const ListRow& row : program.engineLists.engineList.Rows()) {
    const std::string* name = row.marked ? RowEngineName(program, row) : nullptr;
    if (name != nullptr) {
      text += *name + kCrLf;
    }
  }
  ReplaceFileBytes(path, text);
}

void LoadEngineList(Program& program, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  SortedList& engineList = program.engineLists.engineList;
  for (int index = 0; index < engineList.Count(); ++index) {
    engineList.SetMarked(index, false);
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    start = end + 1;
    for (int index = 0; index < engineList.Count(); ++index) {
      const std::string* name = RowEngineName(program, engineList.Row(index));
      if (name != nullptr && *name == line) {
        engineList.SetMarked(index, true);
        break;
      }
    }
  }
  MarkSessionChanged(program);
  program.views.Changed(View::EngineList);
  UpdateQueueStatus(program);
}

void SaveEngineListCommand(Program& program) {
  const std::string path =
      SaveFileDialog(program, program.engineLists.lastEngineListFile, kEngineListExtension);
  if (!path.empty()) {
    SaveEngineList(program, path);
  }
}

void LoadEngineListCommand(Program& program) {
  const std::string path = OpenFileDialog(program, kEngineListFiles, "");
  if (path.empty()) {
    return;
  }
  HideEngineCategories(program);
  program.engineLists.lastEngineListFile = path;
  LoadEngineList(program, path);
}

}  // namespace zentrova
