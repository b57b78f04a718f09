#include "ui/browser/browser_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

#include "app/platform/windows1252.h"
#include "program/replace_file.h"
#include "ui/browser/quiet_web_page.h"

namespace zentrova {
namespace {

constexpr char kEmptyPageName[] = "noreport.htm";
constexpr char kEmptyPage[] = "<html><center>Empty</html>\r\n";
constexpr int kPanelWidth = 220;

}  // namespace

BrowserWindow::BrowserWindow(const std::string& logFolder, QWidget* parent)
    : QWidget(parent, Qt::Window),
      profileBox_(new QPlainTextEdit),
      addressBox_(new QLineEdit(QStringLiteral("http://"))),
      view_(new QWebEngineView),
      page_(new QuietWebPage(view_)),
      browser_(new WebEngineBrowser(page_, this)) {
  setWindowTitle(QStringLiteral("Debug"));
  setObjectName(QStringLiteral("Form5"));
  view_->setObjectName(QStringLiteral("WebBrowser1"));
  view_->setPage(page_);

  auto* navigateButton = new QPushButton(QStringLiteral("Navigate"));
  auto* panel = new QWidget;
  panel->setFixedWidth(kPanelWidth);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(new QLabel(QStringLiteral("Profile")));
  panelLayout->addWidget(profileBox_, 1);
  panelLayout->addWidget(new QLabel(QStringLiteral("URL")));
  panelLayout->addWidget(addressBox_);
  panelLayout->addWidget(navigateButton);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(view_, 1);
  resize(900, 600);

  connect(navigateButton, &QPushButton::clicked, this,
          [this] { browser_->Navigate(EncodeWindows1252(addressBox_->text()).bytes); });
  // Follows every address the browser reaches; the written submission pages are not places.
  connect(page_, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus &&
        info.url().scheme() != QLatin1String("data")) {
      addressBox_->setText(info.url().toString());
    }
  });
  ShowEmptyPage(logFolder);
}

void BrowserWindow::ShowForUser() {
  show();
  raise();
  activateWindow();
}

void BrowserWindow::ShowEmptyPage(const std::string& logFolder) {
  const std::string path = logFolder + kEmptyPageName;
  if (ReplaceFileBytes(path, kEmptyPage)) {
    // Loaded past the Browser port: the empty page is no reply and must not reach the core.
    page_->load(QUrl::fromLocalFile(DecodeWindows1252(path)));
  }
}

}  // namespace zentrova
