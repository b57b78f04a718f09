#include "session/session_export.h"

#include "program/program.h"
#include "program/replace_file.h"
#include "session/file_dialogs.h"
#include "session/session_file.h"
#include "session/session_model.h"
#include "text/code_page.h"

namespace zentrova {

namespace {

class ExportLines {
 public:
  // A number as a 16-bit value is printed: a blank in place of the plus sign, one after.
  void Number(int value) { text_ += (value >= 0 ? " " : "") + std::to_string(value) + " " + kCrLf; }
  void Text(const std::string& line) { text_ += line + kCrLf; }
  const std::string& Bytes() const { return text_; }

 private:
  std::string text_;
};

}  // namespace

std::string SessionExportText(const Program& program) {
  ExportLines out;
  out.Number(kSessionSignature);
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    out.Text(program.session.profile[slot]);
  }
  const int engineCount = StoredEngineCount(program);
  out.Number(engineCount);
  for (int slot = 1; slot <= engineCount; ++slot) {
    const EngineRecord& engine = program.database.Engine(slot);
    out.Text(engine.name);
    out.Number(engine.DeepLinkStatus());
    out.Number(engine.RegistrationStatus());
    out.Text(engine.startedAt.empty() ? kEmptyTime : engine.startedAt);
    out.Text(engine.finishedAt.empty() ? kEmptyTime : engine.finishedAt);
    out.Text(engine.runDate);
  }
  out.Number(static_cast<int>(program.deepPromotion.links.size()));
  for (const std::string& link : program.deepPromotion.links) {
    out.Text(link);
  }
  const std::vector<std::string> queued = QueuedEngineNames(program);
  out.Number(static_cast<int>(queued.size()));
  for (const std::string& name : queued) {
    out.Text(name);
  }
  // Read by people and their editors, which take UTF-8 here.
  return Utf8FromWindows1252(out.Bytes());
}

FileOutcome ExportSession(Program& program, const std::string& path) {
  CollectSession(program);
  return ReplaceFileBytes(path, SessionExportText(program));
}

bool ExportSessionCommand(Program& program) {
  const std::string& current = program.session.currentFile;
  const std::string suggestion =
      current.substr(0, current.size() >= 3 ? current.size() - 3 : 0) + "txt";
  const std::string path = SaveFileDialog(program, suggestion, "txt");
  if (path.empty()) {
    return false;
  }
  return WrittenOrTold(program, path, ExportSession(program, path));
}

}  // namespace zentrova
