// Shows each page of the main window and saves a picture of the window per page:
//   zentrova_ui_screenshots OUTPUT_FOLDER [NAME_SUFFIX]
// scripts/screenshots runs it under a virtual display, at the default scale and at 1.5.

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>
#include <QTabWidget>
#include <QTimer>

#include "app/run_program.h"
#include "program/program.h"
#include "ui/main/main_window.h"

namespace {

constexpr int kSettleMilliseconds = 300;

void SavePage(zentrova::MainWindow& window, const QString& folder, const QString& suffix,
              int page) {
  if (page < zentrova::kManualPage) {
    QCoreApplication::exit(0);
    return;
  }
  window.ShowPage(page);
  QTimer::singleShot(kSettleMilliseconds, &window, [&window, folder, suffix, page] {
    const QString name = QStringLiteral("%1/page%2%3.png").arg(folder).arg(page).arg(suffix);
    if (!window.grab().save(name)) {
      qWarning("cannot write %s", qPrintable(name));
    }
    SavePage(window, folder, suffix, page - 1);
  });
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    qWarning("usage: zentrova_ui_screenshots OUTPUT_FOLDER [NAME_SUFFIX]");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  const QString suffix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  QDir().mkpath(folder);
  int programArgc = 1;
  return zentrova::RunProgram(programArgc, argv, [folder, suffix](zentrova::MainWindow& window) {
    SavePage(window, folder, suffix, zentrova::kStartPage);
  });
}
