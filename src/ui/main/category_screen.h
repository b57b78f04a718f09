#pragma once

#include <QGroupBox>

#include "program/program.h"

class QLabel;
class QLineEdit;

namespace zentrova {

class SortedListView;
class StatusLine;

// The category choice per engine: the group list, the chosen group's categories and the
// keyword that chooses a category for every engine at once.
class CategoryScreen : public QGroupBox {
  Q_OBJECT

 public:
  CategoryScreen(Program& program, StatusLine* status, QWidget* parent = nullptr);
  void Refresh();

  SortedListView* GroupList() const { return groups_; }
  SortedListView* CategoryList() const { return categories_; }
  QLineEdit* KeywordBox() const { return keyword_; }

 private:
  void TakeKeyword(const QString& text);

  Program& program_;
  StatusLine* status_;
  SortedListView* groups_;
  SortedListView* categories_;
  QLabel* caption_;
  QLineEdit* keyword_;
};

}  // namespace zentrova
