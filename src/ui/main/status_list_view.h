#pragma once

#include <QTreeWidget>

#include "engines/sorted_list.h"

namespace zentrova {

// The Reports page's status list: each row's text is an engine name and, after a TAB, its
// result tag. A TAB in one text column lands wherever the font's tab stops fall, so the names
// and the tags stand in two columns of their own, the first as wide as the widest name.
class StatusListView : public QTreeWidget {
  Q_OBJECT

 public:
  explicit StatusListView(QWidget* parent = nullptr);

  // Shows the core's rows and current row; showing reports no row change of its own.
  void Show(const SortedList& list);
  int CurrentRow() const;
  void SetCurrentRow(int row);

 signals:
  // The user made a row current, or clicked a row (also the one already current).
  void RowChosen(int row);

 private:
  bool SameRows(const SortedList& list) const;

  bool showing_ = false;
};

}  // namespace zentrova
