#include "ui/main/start_page.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "app/platform/file_names.h"
#include "app/platform/windows1252.h"
#include "program/outside_address.h"
#include "program/replace_file.h"

namespace zentrova {

namespace {

constexpr char kNewsAddress[] = "https://zentrova.example/admin/news.htm";
constexpr char kNewsFileName[] = "news.htm";

struct WebButton {
  const char* name;
  const char* caption;
  std::string DistributorInfo::*address;
};

const WebButton kWebButtons[] = {
    {"Command13", "&Tech Support", &DistributorInfo::techSupportUrl},
    {"Command24", "Online H&elp", &DistributorInfo::onlineHelpUrl},
    {"Command33", "&Add New Engine", &DistributorInfo::addNewEngineUrl},
    {"Command34", "Add &Plug-Ins", &DistributorInfo::addPlugInsUrl},
    {"Command36", "&Update Program", &DistributorInfo::updateProgramUrl},
};

QPushButton* SessionButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(QString::fromLatin1(caption), parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setMinimumHeight(30);
  return button;
}

}  // namespace

QString VersionLine() {
  return QStringLiteral("V. %1.%2.%3")
      .arg(ZENTROVA_VERSION_MAJOR)
      .arg(ZENTROVA_VERSION_MINOR)
      .arg(ZENTROVA_VERSION_PATCH);
}

StartPage::StartPage(Program& program, QWidget* parent) : PageFrame(program, kStartPage, parent) {
  auto* title = new QLabel(QString::fromLatin1(kAppTitle), this);
  title->setObjectName(QStringLiteral("Label1_1"));
  QFont titleFont = title->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
  titleFont.setBold(true);
  title->setFont(titleFont);
  auto* version = new QLabel(VersionLine(), this);
  version->setObjectName(QStringLiteral("Label39"));
  auto* heading = new QHBoxLayout;
  heading->addWidget(title);
  heading->addWidget(version, 0, Qt::AlignBottom);
  heading->addStretch(1);
  Body()->addLayout(heading);

  auto* columns = new QHBoxLayout;
  auto* buttons = new QVBoxLayout;
  auto* session = new QGroupBox(QStringLiteral("Session"), this);
  auto* sessionLayout = new QVBoxLayout(session);
  auto* newButton = SessionButton("Command6", "&New Session", session);
  auto* openButton = SessionButton("Command26", "&Open Session", session);
  auto* saveButton = SessionButton("Command32", "&Save Session", session);
  for (auto* button : {newButton, openButton, saveButton}) {
    sessionLayout->addWidget(button);
  }
  connect(newButton, &QPushButton::clicked, this, &StartPage::newSessionClicked);
  connect(openButton, &QPushButton::clicked, this, &StartPage::openSessionClicked);
  connect(saveButton, &QPushButton::clicked, this, &StartPage::saveSessionClicked);
  buttons->addWidget(session);

  auto* web = new QGroupBox(QStringLiteral("On the Web"), this);
  auto* webLayout = new QVBoxLayout(web);
  for (const WebButton& entry : kWebButtons) {
    auto* button = SessionButton(entry.name, entry.caption, web);
    const auto address = entry.address;
    connect(button, &QPushButton::clicked, this, [this, address] {
      program_.ports.shell->OpenAddress(program_.text.distributor.*address);
    });
    webLayout->addWidget(button);
  }
  buttons->addWidget(web);
  buttons->addStretch(1);
  columns->addLayout(buttons);

  auto* newsFrame = new QGroupBox(QStringLiteral("News"), this);
  newsFrame->setObjectName(QStringLiteral("Frame7"));
  auto* newsLayout = new QVBoxLayout(newsFrame);
  // A text view, not a web view: the news page runs no script and fetches nothing by itself;
  // its link opens in the user's own browser.
  news_ = new QTextBrowser(newsFrame);
  news_->setObjectName(QStringLiteral("WebNews"));
  news_->setOpenLinks(false);
  connect(news_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    OpenClickedLink(*program_.ports.shell, EncodeWindows1252(url.toString()).bytes);
  });
  newsLayout->addWidget(news_);
  columns->addWidget(newsFrame, 1);
  Body()->addLayout(columns, 1);

  contactLine_ = new QLabel(this);
  contactLine_->setObjectName(QStringLiteral("Label1_5"));
  distributorLine_ = new QLabel(this);
  distributorLine_->setObjectName(QStringLiteral("Label1_6"));
  Body()->addWidget(contactLine_);
  Body()->addWidget(distributorLine_);
}

void StartPage::ShowDistributor() {
  const DistributorInfo& info = program_.text.distributor;
  contactLine_->setText(DecodeWindows1252(info.contact + "   " + info.webAddress));
  distributorLine_->setText(DecodeWindows1252(info.title));
}

void StartPage::ShowNewsPage() {
  const std::string path = program_.folders.appFolder + kNewsFileName;
  // A page that cannot be written is not worth a message: the panel then shows what it can.
  ReplaceFileBytes(
      path, std::string("<HTML><HEAD><BODY LINK=#0000ff VLINK=#800080 BGCOLOR=#c0c0c0>\r\n") +
                "<H2 ALIGN=Center>\r\n" + "<FONT color=blue>Latest News</FONT></H2>\r\n" +
                "<P ALIGN=Center>For the latest program news and promotional tips, please "
                "have an active connection to the Internet and use the link below.\r\n" +
                "<P ALIGN=Center>\r\n" + "<A HREF=\"" + kNewsAddress + "\"><BIG>Update\r\n" +
                "Latest News</BIG></A></BODY></HTML>\r\n");
  news_->setVisible(true);
  news_->setSource(QUrl::fromLocalFile(DecodePath(path)));
}

}  // namespace zentrova
