#include "session/session_file.h"

#include <algorithm>

#include "engines/categories.h"
#include "engines/engine_lists.h"
#include "meta/meta_generator.h"
#include "program/busy_cursor.h"
#include "program/main_page.h"
#include "program/read_file.h"
#include "program/replace_file.h"
#include "reports/report_page.h"
#include "session/log_folder.h"
#include "session/session_bytes.h"
#include "session/session_model.h"
#include "text/ascii_case.h"

namespace zentrova {

namespace {

constexpr char kUnrecognizedFile[] = "Cannot recognize Session file";
// Name, two numbers and three texts.
constexpr std::size_t kMinEngineEntryBytes = 2 + 2 + 2 + 2 + 2 + 2;
constexpr std::size_t kMinTextBytes = 2;

std::string StoredTime(const std::string& time) {
  return time.empty() ? kEmptyTime : time;
}

bool EndsWithWps(const std::string& path) {
  if (path.size() < 3) {
    return false;
  }
  return AsciiLowercase(std::string_view(path).substr(path.size() - 3)) == "wps";
}

std::string EncodeSession(const Program& program) {
  SessionWriter out;
  out.Int16(kSessionSignature);
  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    out.Text(program.session.profile[slot]);
  }
  const int engineCount = StoredEngineCount(program);
  out.Int16(engineCount);
  for (int slot = 1; slot <= engineCount; ++slot) {
    const EngineRecord& engine = program.database.Engine(slot);
    out.Text(engine.name);
    out.Int16(engine.DeepLinkStatus());
    out.Int16(engine.RegistrationStatus());
    out.Text(StoredTime(engine.startedAt));
    out.Text(StoredTime(engine.finishedAt));
    out.Text(engine.runDate);
  }
  const std::vector<std::string>& links = program.deepPromotion.links;
  const int linkCount = std::min(static_cast<int>(links.size()), kMaxDeepLinks);
  out.Int16(linkCount);
  for (int i = 0; i < linkCount; ++i) {
    out.Text(links[static_cast<std::size_t>(i)]);
  }
  const std::vector<std::string> queued = QueuedEngineNames(program);
  out.Int16(static_cast<int>(queued.size()));
  for (const std::string& name : queued) {
    out.Text(name);
  }
  return out.Bytes();
}

void RefillEngineList(Program& program) {
  SortedList& list = program.engineLists.engineList;
  list.Clear();
  for (int slot = 1; slot <= StoredEngineCount(program); ++slot) {
    list.Add(program.database.Engine(slot).name, slot);
  }
  if (list.Count() > 0) {
    list.SetCurrentRow(0);
  }
  program.views.Changed(View::EngineList);
  program.deepPromotion.links.clear();
  program.deepPromotion.currentRow = -1;
  program.views.Changed(View::DeepLinks);
}

void ClearRunFields(Program& program) {
  for (int slot = 1; slot <= StoredEngineCount(program); ++slot) {
    program.database.Engine(slot).ClearRunFields();
  }
}

void ReadEngineEntries(Program& program, SessionReader& in) {
  const int count = in.Count(kMinEngineEntryBytes);
  for (int i = 0; i < count; ++i) {
    const std::string name = in.Text();
    // A file may hold any number here; it is kept as it is, so that a save gives it back.
    const auto deepLinkStatus = static_cast<ResultCode>(in.Int16());
    const auto registrationStatus = static_cast<ResultCode>(in.Int16());
    std::string startedAt = in.Text();
    std::string finishedAt = in.Text();
    std::string runDate = in.Text();
    if (in.Damaged()) {
      return;
    }
    for (int slot = 1; slot <= StoredEngineCount(program); ++slot) {
      EngineRecord& engine = program.database.Engine(slot);
      if (engine.name == name) {
        engine.DeepLinkStatus() = deepLinkStatus;
        engine.RegistrationStatus() = registrationStatus;
        engine.startedAt = std::move(startedAt);
        engine.finishedAt = std::move(finishedAt);
        engine.runDate = std::move(runDate);
        engine.replyTimedOut = false;
        break;
      }
    }
  }
}

void ReadLinks(Program& program, SessionReader& in) {
  const int count = in.Count(kMinTextBytes);
  for (int i = 0; i < count; ++i) {
    std::string link = in.Text();
    if (in.Damaged()) {
      break;
    }
    program.deepPromotion.links.push_back(std::move(link));
  }
  program.views.Changed(View::DeepLinks);
}

void ReadQueue(Program& program, SessionReader& in) {
  SortedList& list = program.engineLists.engineList;
  const int count = in.Count(kMinTextBytes);
  for (int i = 0; i < count; ++i) {
    const std::string name = in.Text();
    if (in.Damaged()) {
      break;
    }
    // From the bottom up, so among rows of one text the last one wins.
    for (int row = list.Count() - 1; row >= 0; --row) {
      if (list.Row(row).text == name) {
        list.SetMarked(row, true);
        break;
      }
    }
  }
  program.views.Changed(View::EngineList);
}

}  // namespace

int StoredEngineCount(const Program& program) {
  return std::clamp(program.database.engineSlotCount, 0, program.database.EngineCount());
}

std::vector<std::string> QueuedEngineNames(const Program& program) {
  // Rows carry category decorations while the categories are shown; the item data leads to
  // the engine's own name.
  std::vector<std::string> names;
  for (const ListRow& row : program.engineLists.engineList.Rows()) {
    if (row.marked && row.data >= 1 && row.data <= program.database.EngineCount()) {
      names.push_back(program.database.Engine(row.data).name);
    }
  }
  return names;
}

FileOutcome WriteSession(Program& program, const std::string& path, bool remember) {
  CollectSession(program);
  // Written beside the target and renamed over it, so a failed write never costs the old file.
  FileOutcome outcome = ReplaceFileBytes(path, EncodeSession(program));
  if (outcome) {
    SetCurrentSessionFile(program, path, remember);
    program.session.confirmReplace = false;
  }
  return outcome;
}

SessionRead ReadSession(Program& program, const std::string& path, bool remember) {
  // Nothing of the open session changes until the file has shown that it is a session.
  const FileBytes file = ReadWholeFile(path, kMaxSessionFileBytes);
  SessionReader in(file ? std::string_view(file.bytes) : std::string_view());
  const int signature = in.Int16();
  if (signature != kSessionSignature && signature != kOldSessionSignature) {
    program.ports.dialogs->ShowMessage(kUnrecognizedFile, MessageButtons::Ok, MessageIcon::None,
                                       kAppTitle);
    return SessionRead::NotSession;
  }
  HideEngineCategories(program);
  ClearLogPages(program);
  SetBusyCursor(program, true);
  ShowReport(program, kNoReport);
  SetCurrentSessionFile(program, path, remember);
  program.session.confirmReplace = false;
  RefillEngineList(program);

  for (int slot = 1; slot <= kProfileSlotCount; ++slot) {
    program.session.profile[slot] = in.Text();
  }
  if (remember) {
    ShowMainPage(program, kProfilePage);
  }
  if (program.session.profile[kMetaNewFile].empty()) {
    program.session.profile[kMetaNewFile] = MakeNewFileName(program, 1);
  }
  ShowSession(program);

  if (signature == kOldSessionSignature) {
    SetBusyCursor(program, false);
    ClearRunFields(program);
    // The counters showed the session open before; this one has no results and no links.
    UpdateQueueStatus(program);
    program.views.Changed(View::Report);
    // A later Save then writes a current-format ".ses" beside the old file, asking first when
    // one of that name is already there.
    if (EndsWithWps(path)) {
      SetCurrentSessionFile(program, path.substr(0, path.size() - 3) + "ses", remember);
      program.session.confirmReplace = true;
    }
    return SessionRead::Converted;
  }

  ReadEngineEntries(program, in);
  ReadLinks(program, in);
  ReadQueue(program, in);

  UpdateQueueStatus(program);
  ResetCategories(program);
  ShowSession(program);
  if (program.categories.groupList.Count() > 0) {
    program.categories.groupList.SetCurrentRow(0);
  }
  program.views.Changed(View::Categories);
  program.views.Changed(View::Report);
  program.session.saved = true;
  SetBusyCursor(program, false);
  return SessionRead::Read;
}

}  // namespace zentrova
