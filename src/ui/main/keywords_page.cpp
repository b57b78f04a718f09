#include "ui/main/keywords_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

#include "ui/main/category_screen.h"
#include "ui/main/profile_boxes.h"

namespace zentrova {

namespace {

constexpr int kKeywordLength = 200;
constexpr int kKeywordsPerRow = 3;

}  // namespace

KeywordsPage::KeywordsPage(Program& program, StatusLine* status, QWidget* parent)
    : PageFrame(program, kKeywordsPage, parent) {
  auto* frame = new QGroupBox(QStringLiteral("Keywords"), this);
  auto* grid = new QGridLayout(frame);
  for (int index = 0; index < 6; ++index) {
    const int row = index / kKeywordsPerRow;
    const int column = (index % kKeywordsPerRow) * 2;
    grid->addWidget(new QLabel(QStringLiteral("%1.").arg(index + 1)), row, column);
    grid->addWidget(new ProfileLineBox(program, status, kKeyword1 + index, kKeywordLength), row,
                    column + 1);
    grid->setColumnStretch(column + 1, 1);
  }
  grid->addWidget(
      new ProfileCheckBox(
          program, 4, QStringLiteral("Check this box if this web page contains adult material")),
      2, 0, 1, 6);
  Body()->addWidget(frame);
  categories_ = new CategoryScreen(program, status, this);
  Body()->addWidget(categories_, 1);
}

void KeywordsPage::OnViewChanged(View view) {
  PageFrame::OnViewChanged(view);
  if (view == View::Categories) {
    categories_->Refresh();
  }
}

}  // namespace zentrova
