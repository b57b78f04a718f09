#include "ui/main/profile_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "submission/indexnow_key_commands.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

namespace {

constexpr int kAddressLength = 100;
constexpr int kDescriptionLength = 250;
constexpr int kContactLength = 40;
// Keys are 8 to 128 letters, digits and dashes.
constexpr int kIndexNowKeyLength = 128;
constexpr int kKeyFileAddressLength = 250;

struct ContactBox {
  int slot;
  const char* label;
};

// Two columns, read across: who owns the site, then how to reach them.
constexpr ContactBox kContactBoxes[] = {
    {24, "Your First Name:"},
    {25, "Your Last Name:"},
    {4, "Company Name:"},
    {11, "E-Mail Address:"},
    {22, "Street Address:"},
    {5, "City:"},
    {8, "State:"},
    {23, "Zip Code:"},
    {9, "Country:"},
    {34, "Phone:"},
    {33, "Toll Free Phone:"},
    {35, "Fax:"},
};

}  // namespace

ProfilePage::ProfilePage(Program& program, StatusLine* status, QWidget* parent)
    : PageFrame(program, kProfilePage, parent) {
  auto* site = new QGroupBox(QStringLiteral("Web Site"), this);
  auto* siteGrid = new QGridLayout(site);
  siteGrid->addWidget(new QLabel(QStringLiteral("Web Page Address:")), 0, 0);
  siteGrid->addWidget(new ProfileLineBox(program, status, kPageAddress, kAddressLength), 0, 1);
  siteGrid->addWidget(new QLabel(QStringLiteral("Web Site Title:")), 1, 0);
  siteGrid->addWidget(new ProfileLineBox(program, status, kSiteTitle, kAddressLength), 1, 1);
  siteGrid->addWidget(new QLabel(QStringLiteral("Web Site Description:")), 2, 0, Qt::AlignTop);
  auto* description = new ProfileTextBox(program, status, kSiteDescription, kDescriptionLength);
  description->setFixedHeight(64);
  siteGrid->addWidget(description, 2, 1);
  siteGrid->addWidget(new QLabel(QStringLiteral("IndexNow Key:")), 3, 0);
  auto* keyRow = new QHBoxLayout;
  keyRow->addWidget(new ProfileLineBox(program, status, kIndexNowKey, kIndexNowKeyLength), 1);
  const auto addButton = [&](const char* name, const QString& caption, auto command) {
    auto* button = new QPushButton(caption, site);
    button->setObjectName(QString::fromLatin1(name));
    connect(button, &QPushButton::clicked, this, [&program, command] { command(program); });
    keyRow->addWidget(button);
  };
  addButton("indexNowGenerate", QStringLiteral("Generate"), GenerateIndexNowKey);
  addButton("indexNowSaveKeyFile", QStringLiteral("Save Key File..."), SaveIndexNowKeyFile);
  addButton("indexNowCheck", QStringLiteral("Check"), CheckIndexNowKeyFileCommand);
  siteGrid->addLayout(keyRow, 3, 1);
  siteGrid->addWidget(new QLabel(QStringLiteral("IndexNow Key File:")), 4, 0);
  siteGrid->addWidget(new ProfileLineBox(program, status, kIndexNowKeyFile, kKeyFileAddressLength),
                      4, 1);
  Body()->addWidget(site);

  auto* owner = new QGroupBox(QStringLiteral("Owner of the Web Site"), this);
  auto* ownerGrid = new QGridLayout(owner);
  int index = 0;
  for (const ContactBox& box : kContactBoxes) {
    const int row = index / 2;
    const int column = (index % 2) * 2;
    ownerGrid->addWidget(new QLabel(QString::fromLatin1(box.label)), row, column);
    ownerGrid->addWidget(new ProfileLineBox(program, status, box.slot, kContactLength), row,
                         column + 1);
    ++index;
  }
  ownerGrid->setColumnStretch(1, 1);
  ownerGrid->setColumnStretch(3, 1);
  Body()->addWidget(owner);
  Body()->addStretch(1);
}

}  // namespace zentrova
