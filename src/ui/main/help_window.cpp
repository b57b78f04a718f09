#include "ui/main/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/platform/file_names.h"

namespace zentrova {

int HelpContext(int page) {
  return (19 - page) * 10;
}

QString HelpFileName(int context) {
  return context == 0 ? QStringLiteral("index.htm") : QStringLiteral("topic%1.htm").arg(context);
}

HelpWindow::HelpWindow(const Folders& folders, QWidget* parent)
    : QWidget(parent, Qt::Window), folders_(folders) {
  setObjectName(QStringLiteral("HelpWindow"));
  setWindowTitle(QString::fromLatin1(kAppTitle) + QStringLiteral(" Help"));
  auto* layout = new QVBoxLayout(this);
  auto* bar = new QHBoxLayout;
  auto* contents = new QPushButton(QStringLiteral("&Contents"), this);
  auto* back = new QPushButton(QStringLiteral("&Back"), this);
  bar->addWidget(contents);
  bar->addWidget(back);
  bar->addStretch(1);
  layout->addLayout(bar);
  view_ = new QTextBrowser(this);
  view_->setObjectName(QStringLiteral("HelpView"));
  view_->setOpenExternalLinks(false);
  layout->addWidget(view_, 1);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(0); });
  connect(back, &QPushButton::clicked, view_, &QTextBrowser::backward);
  resize(640, 560);
}

void HelpWindow::ShowTopic(int context) {
  const QString folder = DecodePath(folders_.dataFolder) + QStringLiteral("help/");
  view_->setSource(QUrl::fromLocalFile(folder + HelpFileName(context)));
  show();
  raise();
  activateWindow();
}

QUrl HelpWindow::ShownPage() const {
  return view_->source();
}

}  // namespace zentrova
