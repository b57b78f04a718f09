#include "text/distributor.h"

#include "text/string_table.h"

namespace zentrova {

namespace {

constexpr int kDistributorBaseId = 1000;
constexpr int kDistributorBlockSize = 10;
constexpr int kLastCodeIndex = 103;  // k3
constexpr int kCodesPerLetter = 10;

constexpr char kCorruptedInstallation[] =
    "Initialization data is corrupted. Please run complete installation again";

}  // namespace

// The list runs a1 … a9, a0, b0 … b9, …, k0 … k3: only the letter a starts at 1, and its 0
// comes last, so every later letter's codes sit one place further along than its digit says.
int DistributorCodeIndex(const std::string& code) {
  if (code.size() != 2 || code[0] < 'a' || code[0] > 'k' || code[1] < '0' || code[1] > '9') {
    return -1;
  }
  const int letter = code[0] - 'a';
  const int digit = code[1] - '0';
  if (letter == 0) {
    return digit == 0 ? kCodesPerLetter - 1 : digit - 1;
  }
  const int index = letter * kCodesPerLetter + digit;
  return index <= kLastCodeIndex ? index : -1;
}

bool LoadDistributor(Program& program) {
  const std::string code = program.ports.settings->Get("Registration", "Dealer");
  const int index = DistributorCodeIndex(code);
  if (index < 0) {
    program.ports.dialogs->ShowMessage(kCorruptedInstallation, MessageButtons::Ok,
                                       MessageIcon::None, kAppTitle);
    if (program.ports.exitProgram) {
      program.ports.exitProgram();
    }
    return false;
  }
  const int base = kDistributorBaseId + kDistributorBlockSize * index;
  auto& info = program.text.distributor;
  info.title = "Distributed by " + LoadText(program, base);
  info.contact = LoadText(program, base + 1);
  info.webAddress = NormaliseUrl(LoadText(program, base + 2));
  info.onlineHelpUrl = NormaliseUrl(LoadText(program, base + 3));
  info.addNewEngineUrl = NormaliseUrl(LoadText(program, base + 4));
  info.addPlugInsUrl = NormaliseUrl(LoadText(program, base + 5));
  info.updateProgramUrl = NormaliseUrl(LoadText(program, base + 6));
  info.techSupportUrl = NormaliseUrl(LoadText(program, base + 7));
  return true;
}

}  // namespace zentrova
