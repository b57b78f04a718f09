#include "ui/browser/browser_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"
#include "manual/form_capture.h"
#include "program/replace_file.h"
#include "ui/browser/form_reader.h"
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
  profileBox_->setObjectName(QStringLiteral("ProfileBox"));
  profileBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  addressBox_->setObjectName(QStringLiteral("AddressBox"));

  auto* getFormButton = new QPushButton(QStringLiteral("Get Form"));
  getFormButton->setObjectName(QStringLiteral("GetForm"));
  auto* navigateButton = new QPushButton(QStringLiteral("Navigate"));
  navigateButton->setObjectName(QStringLiteral("Navigate"));
  auto* panel = new QWidget;
  panel->setFixedWidth(kPanelWidth);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(0, 0, 0, 0);
  panelLayout->addWidget(new QLabel(QStringLiteral("Profile")));
  panelLayout->addWidget(profileBox_, 1);
  panelLayout->addWidget(new QLabel(QStringLiteral("URL")));
  panelLayout->addWidget(addressBox_);
  panelLayout->addWidget(getFormButton);
  panelLayout->addWidget(navigateButton);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(panel);
  layout->addWidget(view_, 1);
  resize(900, 600);

  connect(getFormButton, &QPushButton::clicked, this, &BrowserWindow::GetForm);
  connect(navigateButton, &QPushButton::clicked, this,
          [this] { browser_->Navigate(EncodeWindows1252(addressBox_->text()).bytes); });
  // Follows every address the browser reaches.
  connect(page_, &QWebEnginePage::loadingChanged, this, [this](const QWebEngineLoadingInfo& info) {
    if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus) {
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

void BrowserWindow::GetForm() {
  profileBox_->clear();
  formText_.clear();
  // The address box as it stands when the button is pressed, as the draft's fifth line.
  const std::string address = addressBox_->text().toUtf8().toStdString();
  ReadFirstForm(page_, this, [this, address](const CapturedForm& form) {
    formText_ = FormCaptureText(form, address);
    // The box breaks lines at line feeds; a carriage return would show as a line of its own.
    profileBox_->setPlainText(
        QString::fromUtf8(formText_).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    emit FormCaptured();
  });
}

void BrowserWindow::ShowEmptyPage(const std::string& logFolder) {
  const std::string path = logFolder + kEmptyPageName;
  if (ReplaceFileBytes(path, kEmptyPage)) {
    // Loaded past the Browser port: the empty page is no reply and must not reach the core.
    page_->load(QUrl::fromLocalFile(DecodePath(path)));
  }
}

}  // namespace zentrova
