#pragma once

#include <QString>
#include <QStringList>

namespace zentrova::testing {

struct ToolResult {
  int exitCode = -1;
  QString output;  // UTF-8 decoded, line ends as printed
  QString errors;
};

// Runs zentrova-tool with nothing in its environment but a path, a home and its data folder:
// no display, no WebEngine settings. The fake engines answer from this process, so the wait
// keeps its event loop running.
ToolResult RunTool(const QStringList& arguments, const QString& home, const QString& appFolder);

// The same with a pseudo-terminal of `columns` columns as standard input, output and error, as
// a user at a terminal runs it; `output` holds all it printed, as the terminal received it.
ToolResult RunToolOnTerminal(const QStringList& arguments, const QString& home,
                             const QString& appFolder, int columns);

}  // namespace zentrova::testing
