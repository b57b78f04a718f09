#include "ui/main/status_list_view.h"

#include <QHeaderView>

#include "app/platform/windows1252.h"

namespace zentrova {
namespace {

constexpr int kNameColumn = 0;
constexpr int kTagColumn = 1;

QStringList Columns(const std::string& rowText) {
  const QString text = DecodeWindows1252(rowText);
  const qsizetype tab = text.indexOf(QLatin1Char('\t'));
  if (tab < 0) {
    return {text};
  }
  return {text.left(tab), text.mid(tab + 1)};
}

}  // namespace

StatusListView::StatusListView(QWidget* parent) : QTreeWidget(parent) {
  setObjectName(QStringLiteral("List3"));
  setColumnCount(2);
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setAllColumnsShowFocus(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  // The name column follows the widest name in whatever font the list is given.
  header()->setSectionResizeMode(kNameColumn, QHeaderView::ResizeToContents);
  header()->setStretchLastSection(true);

  connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (!showing_ && item != nullptr) {
      emit RowChosen(indexOfTopLevelItem(item));
    }
  });
  // A click on the row that is already current changes no row, yet chooses it again.
  connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (!showing_) {
      emit RowChosen(indexOfTopLevelItem(item));
    }
  });
}

bool StatusListView::SameRows(const SortedList& list) const {
  if (topLevelItemCount() != list.Count()) {
    return false;
  }
  for (int row = 0; row < list.Count(); ++row) {
    const QTreeWidgetItem* shown = topLevelItem(row);
    const QStringList columns = Columns(list.Row(row).text);
    if (shown->text(kNameColumn) != columns.value(kNameColumn) ||
        shown->text(kTagColumn) != columns.value(kTagColumn)) {
      return false;
    }
  }
  return true;
}

void StatusListView::Show(const SortedList& list) {
  showing_ = true;
  // Rebuilt only when the rows differ: a row click reaches here while the list still handles it.
  if (!SameRows(list)) {
    clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(list.Count());
    for (const ListRow& row : list.Rows()) {
      items << new QTreeWidgetItem(Columns(row.text));
    }
    addTopLevelItems(items);
  }
  SetCurrentRow(list.CurrentRow());
  showing_ = false;
}

int StatusListView::CurrentRow() const {
  return indexOfTopLevelItem(currentItem());
}

void StatusListView::SetCurrentRow(int row) {
  QTreeWidgetItem* item = row >= 0 ? topLevelItem(row) : nullptr;
  if (item != currentItem()) {
    setCurrentItem(item);
  }
}

}  // namespace zentrova
