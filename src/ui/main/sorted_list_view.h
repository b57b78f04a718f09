#pragma once

#include <QListWidget>

#include "engines/sorted_list.h"

namespace zentrova {

// A list box that shows a SortedList of the core: its rows, their marks (as check marks the
// core sets) and its current row. Redrawing never reports a row change of its own.
class SortedListView : public QListWidget {
  Q_OBJECT

 public:
  SortedListView(const QString& name, bool showMarks, QWidget* parent = nullptr);

  void Show(const SortedList& list);
  bool Redrawing() const { return redrawing_; }

 private:
  bool showMarks_;
  bool redrawing_ = false;
};

}  // namespace zentrova
