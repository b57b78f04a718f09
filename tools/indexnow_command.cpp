// zentrova-tool indexnow key | indexnow check SESSION: a new IndexNow key, or whether the
// session's key file is published where the engines will look for it.
#include <QCoreApplication>
#include <QEventLoop>
#include <iostream>
#include <string>
#include <vector>

#include "app/platform/qt_http_client.h"
#include "app/platform/windows1252.h"
#include "submission/indexnow_protocol.h"
#include "submission/key_file_check.h"
#include "tool_command.h"
#include "tool_commands.h"
#include "tool_program.h"

namespace zentrova::tool {
namespace {

constexpr char kUsage[] = "usage: zentrova-tool indexnow key | indexnow check SESSION";
constexpr int kNotFound = 1;

std::string Printable(const std::string& bytes) {
  return DecodeWindows1252(bytes).toUtf8().toStdString();
}

int CheckCommand(const std::string& session) {
  if (const int code = RequireReadableFiles({session}); code != kSuccess) {
    return code;
  }
  ToolProgram tool;
  tool.EchoMessages(false);
  if (!tool.OpenSession(session)) {
    return Fail(kFileError, "cannot recognize the session file " + session);
  }
  int argc = 1;
  char name[] = "zentrova-tool";
  char* argv[] = {name, nullptr};
  QCoreApplication application(argc, argv);
  QtHttpClient http;
  QEventLoop loop;
  const KeyFileTarget target = ProfileKeyFile(tool.program.session.profile);
  KeyFileVerdict result;
  bool answered = false;
  CheckKeyFile(http, target, [&](const KeyFileVerdict& verdict) {
    result = verdict;
    answered = true;
    loop.quit();
  });
  if (!answered) {
    loop.exec();
  }
  std::cout << (target.address.empty() ? "-" : Printable(target.address)) << '\t'
            << Printable(result.reason) << '\n';
  return result.found ? kSuccess : kNotFound;
}

}  // namespace

int IndexNowCommand(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "key") {
    std::cout << NewIndexNowKey() << '\n';
    return kSuccess;
  }
  if (args.size() == 2 && args[0] == "check") {
    return CheckCommand(args[1]);
  }
  return Fail(kUsageError, kUsage);
}

}  // namespace zentrova::tool
