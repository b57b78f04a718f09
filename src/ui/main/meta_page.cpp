#include "ui/main/meta_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "meta/meta_generator.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

MetaPage::MetaPage(Program& program, StatusLine* status, QWidget* parent)
    : PageFrame(program, kMetaPage, parent) {
  auto* frame = new QGroupBox(QStringLiteral("Meta Tag Generation"), this);
  auto* grid = new QGridLayout(frame);
  grid->addWidget(new QLabel(QStringLiteral(" Original File")), 0, 0);
  grid->addWidget(new ProfileLineBox(program, status, kMetaSourceFile, 0), 0, 1);
  browse_ = new QPushButton(QStringLiteral("&Browse"), frame);
  grid->addWidget(browse_, 0, 2);
  grid->addWidget(new QLabel(QStringLiteral("New File with Meta Tags")), 1, 0);
  grid->addWidget(new ProfileLineBox(program, status, kMetaNewFile, 0), 1, 1);
  generate_ = new QPushButton(QStringLiteral("&Generate "), frame);
  grid->addWidget(generate_, 1, 2);

  const struct {
    int slot;
    const char* label;
  } texts[] = {{kMetaTitle, "Web Page Title"},
               {kMetaDescription, "Description Meta Tag"},
               {kMetaKeywords, "Keyword Meta Tag"}};
  int row = 2;
  for (const auto& text : texts) {
    grid->addWidget(new QLabel(QString::fromLatin1(text.label)), row, 0, Qt::AlignTop);
    grid->addWidget(new ProfileTextBox(program, status, text.slot, 0), row, 1, 1, 2);
    ++row;
  }
  grid->setColumnStretch(1, 1);
  Body()->addWidget(frame, 1);

  browse_->setObjectName(QStringLiteral("BrowseMetaSource"));
  generate_->setObjectName(QStringLiteral("GenerateMetaTags"));
  connect(browse_, &QPushButton::clicked, this, [this] { BrowseMetaSource(program_); });
  connect(generate_, &QPushButton::clicked, this, [this] { GenerateMetaTags(program_); });
}

}  // namespace zentrova
