#include "ui/main/sorted_list_view.h"

#include <QScrollBar>

#include "app/platform/windows1252.h"

namespace zentrova {

SortedListView::SortedListView(const QString& name, bool showMarks, QWidget* parent)
    : QListWidget(parent), showMarks_(showMarks) {
  setObjectName(name);
  setUniformItemSizes(true);
}

void SortedListView::Show(const SortedList& list) {
  redrawing_ = true;
  const int scroll = verticalScrollBar() ? verticalScrollBar()->value() : 0;
  if (count() != list.Count()) {
    clear();
    for (int row = 0; row < list.Count(); ++row) {
      auto* item = new QListWidgetItem(this);
      // Marks belong to the core: the box shows them, a click asks the core to change them.
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    }
  }
  for (int row = 0; row < list.Count(); ++row) {
    const ListRow& source = list.Row(row);
    QListWidgetItem* shown = item(row);
    const QString text = DecodeWindows1252(source.text);
    if (shown->text() != text) {
      shown->setText(text);
    }
    if (showMarks_) {
      const Qt::CheckState mark = source.marked ? Qt::Checked : Qt::Unchecked;
      if (shown->data(Qt::CheckStateRole) != mark) {
        shown->setCheckState(mark);
      }
    }
  }
  if (currentRow() != list.CurrentRow()) {
    setCurrentRow(list.CurrentRow());
  }
  verticalScrollBar()->setValue(scroll);
  redrawing_ = false;
}

}  // namespace zentrova
