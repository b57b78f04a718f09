#include "submission/indexnow_key_commands.h"

#include "program/replace_file.h"
#include "session/file_dialogs.h"
#include "session/session_model.h"
#include "submission/indexnow_protocol.h"
#include "submission/key_file_check.h"

namespace zentrova {

namespace {

constexpr char kKeyFileExtension[] = "txt";

void Tell(Program& program, const std::string& text, MessageIcon icon) {
  program.ports.dialogs->ShowMessage(text, MessageButtons::Ok, icon, kAppTitle);
}

}  // namespace

bool GenerateIndexNowKey(Program& program) {
  const std::string& current = program.session.editor.boxText[kIndexNowKey];
  if (!current.empty() &&
      program.ports.dialogs->ShowMessage(
          "Replace the IndexNow key " + current +
              " with a new one? The key file on your site must then be replaced too.",
          MessageButtons::YesNo, MessageIcon::Question, kAppTitle) != MessageAnswer::Yes) {
    return false;
  }
  SetBoxText(program, kIndexNowKey, NewIndexNowKey());
  return true;
}

bool SaveIndexNowKeyFile(Program& program) {
  const std::string key = program.session.editor.boxText[kIndexNowKey];
  if (const auto problem = IndexNowKeyProblem(key)) {
    Tell(program, "There is no key file to save: " + *problem + ".", MessageIcon::Exclamation);
    return false;
  }
  const std::string path =
      SaveFileDialog(program, key + "." + kKeyFileExtension, kKeyFileExtension);
  if (path.empty()) {
    return false;
  }
  return WrittenOrTold(program, path, ReplaceFileBytes(path, key));
}

void CheckIndexNowKeyFileCommand(Program& program) {
  const KeyFileTarget target = ProfileKeyFile(program.session.editor.boxText);
  CheckKeyFile(*program.ports.http, target, [&program, target](const KeyFileVerdict& verdict) {
    const std::string address = target.address.empty() ? "(no address)" : target.address;
    if (verdict.found) {
      Tell(program, "The IndexNow key file holds the key:" + std::string(kCrLf) + address,
           MessageIcon::Information);
    } else {
      Tell(program,
           "The IndexNow key file check failed:" + std::string(kCrLf) + address + kCrLf +
               verdict.reason,
           MessageIcon::Exclamation);
    }
  });
}

}  // namespace zentrova
