#include "tool_process.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <string>
#include <vector>

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

ToolResult RunToolOnTerminal(const QStringList& arguments, const QString& home,
                             const QString& appFolder, int columns) {
  // Everything the child needs is made before the fork: it only calls execve.
  std::vector<std::string> words = {ZENTROVA_TOOL_PATH};
  for (const QString& argument : arguments) {
    words.push_back(argument.toStdString());
  }
  const std::vector<std::string> variables = {
      "PATH=" + qEnvironmentVariable("PATH").toStdString(), "HOME=" + home.toStdString(),
      "ZENTROVA_HOME=" + appFolder.toStdString(), "TERM=xterm"};
  std::vector<char*> argv;
  for (const std::string& word : words) {
    argv.push_back(const_cast<char*>(word.c_str()));
  }
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (const std::string& variable : variables) {
    envp.push_back(const_cast<char*>(variable.c_str()));
  }
  envp.push_back(nullptr);

  winsize size{};
  size.ws_col = static_cast<unsigned short>(columns);
  size.ws_row = 24;
  int terminal = -1;
  const pid_t child = forkpty(&terminal, nullptr, nullptr, &size);
  if (child == 0) {
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
  }
  if (child < 0) {
    return {};
  }
  fcntl(terminal, F_SETFL, fcntl(terminal, F_GETFL) | O_NONBLOCK);
  QByteArray received;
  auto drain = [&] {
    char buffer[4096];
    ssize_t count;
    while ((count = read(terminal, buffer, sizeof buffer)) > 0) {
      received.append(buffer, static_cast<qsizetype>(count));
    }
  };
  int status = 0;
  bool exited = false;
  const bool finished = RunEventsUntil(
      [&] {
        drain();
        exited = exited || waitpid(child, &status, WNOHANG) == child;
        return exited;
      },
      120000);
  if (!finished) {
    kill(child, SIGKILL);
    waitpid(child, &status, 0);
  }
  drain();
  close(terminal);
  if (!finished) {
    return {};
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(received), {}};
}

}  // namespace zentrova::testing
