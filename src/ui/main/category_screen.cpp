#include "ui/main/category_screen.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/platform/windows1252.h"
#include "engines/categories.h"
#include "ui/main/sorted_list_view.h"
#include "ui/main/status_line.h"

namespace zentrova {

CategoryScreen::CategoryScreen(Program& program, StatusLine* status, QWidget* parent)
    : QGroupBox(QStringLiteral("Categories"), parent), program_(program), status_(status) {
  auto* grid = new QGridLayout(this);
  grid->addWidget(new QLabel(QStringLiteral("Search Engine:"), this), 0, 0);
  caption_ = new QLabel(this);
  caption_->setObjectName(QStringLiteral("Label19"));
  grid->addWidget(caption_, 0, 1);
  groups_ = new SortedListView(QStringLiteral("List4"), false, this);
  categories_ = new SortedListView(QStringLiteral("List5"), false, this);
  grid->addWidget(groups_, 1, 0);
  grid->addWidget(categories_, 1, 1);
  grid->setColumnStretch(0, 2);
  grid->setColumnStretch(1, 3);

  auto* keywordRow = new QHBoxLayout;
  auto* setAll = new QPushButton(QStringLiteral("&Set all categories using"), this);
  setAll->setObjectName(QStringLiteral("SetAllCategories"));
  setAll->setToolTip(QStringLiteral("Choose all categories using keyword"));
  keyword_ = new QLineEdit(this);
  keyword_->setObjectName(QStringLiteral("KeywordBox"));
  keywordRow->addWidget(setAll);
  keywordRow->addWidget(keyword_, 1);
  grid->addLayout(keywordRow, 2, 0, 1, 2);

  // A click or a key in the group list shows that engine's categories.
  connect(groups_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!groups_->Redrawing() && row >= 0) {
      ChooseCategoryGroup(program_, row);
    }
  });
  connect(categories_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!categories_->Redrawing() && row >= 0) {
      ChooseCategory(program_, row);
    }
  });
  connect(keyword_, &QLineEdit::textEdited, this, &CategoryScreen::TakeKeyword);
  connect(setAll, &QPushButton::clicked, this, [this] { SetAllCategoriesUsingKeyword(program_); });
  Refresh();
}

void CategoryScreen::TakeKeyword(const QString& text) {
  const Windows1252Text encoded = EncodeWindows1252(text);
  if (encoded.unmappable > 0) {
    keyword_->setText(DecodeWindows1252(program_.categories.keywordBox));
    status_->ShowRefusedCharacter();
    return;
  }
  TakeKeywordBox(program_, encoded.bytes);
}

void CategoryScreen::Refresh() {
  const CategoryState& state = program_.categories;
  groups_->Show(state.groupList);
  categories_->Show(state.categoryList);
  caption_->setText(DecodeWindows1252(state.categoryCaption));
  const QString keyword = DecodeWindows1252(state.keywordBox);
  if (keyword_->text() != keyword) {
    keyword_->setText(keyword);
  }
}

}  // namespace zentrova
