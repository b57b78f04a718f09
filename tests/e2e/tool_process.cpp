#include "tool_process.h"

#include <QProcess>
#include <QProcessEnvironment>

#include "event_wait.h"

namespace zentrova::testing {

ToolResult RunTool(const QStringList& arguments, const QString& home, const QString& appFolder) {
  QProcessEnvironment environment;
  environment.insert("PATH", qEnvironmentVariable("PATH"));
  environment.insert("HOME", home);
  environment.insert("ZENTROVA_HOME", appFolder);
  QProcess tool;
  tool.setProcessEnvironment(environment);
  tool.start(QStringLiteral(ZENTROVA_TOOL_PATH), arguments);
  const bool finished =
      RunEventsUntil([&] { return tool.state() == QProcess::NotRunning; }, 120000);
  if (!finished) {
    tool.kill();
    tool.waitForFinished();
    return {};
  }
  return {tool.exitStatus() == QProcess::NormalExit ? tool.exitCode() : -1,
          QString::fromUtf8(tool.readAllStandardOutput()),
          QString::fromUtf8(tool.readAllStandardError())};
}

}  // namespace zentrova::testing
