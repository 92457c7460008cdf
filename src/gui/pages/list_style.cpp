#include "gui/pages/list_style.h"

#include <QHeaderView>

namespace vdbq::gui {

QTreeWidget* MakeObjectList(const QStringList& headings, QWidget* parent) {
  auto* list = new QTreeWidget(parent);
  list->setColumnCount(static_cast<int>(headings.size()));
  list->setHeaderLabels(headings);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setAllColumnsShowFocus(true);
  list->header()->setStretchLastSection(true);
  list->header()->setSectionsMovable(false);
  return list;
}

void OnRowClicked(QTreeWidget* list, const std::function<void(int)>& clicked) {
  QObject::connect(list, &QTreeWidget::itemClicked, list, [list, clicked](QTreeWidgetItem* item) {
    const int row = list->indexOfTopLevelItem(item);
    if (row >= 0) clicked(row);
  });
}

void StyleObjectRow(QTreeWidgetItem* item, std::initializer_list<int> grey) {
  const QColor navy(0, 0, 128);
  QFont bold = item->font(0);
  bold.setBold(true);
  item->setFont(0, bold);
  item->setBackground(0, QColor(255, 192, 192));
  for (int c = 0; c < item->columnCount(); ++c) item->setForeground(c, navy);
  for (int c : grey) item->setBackground(c, QColor(210, 210, 210));
}

}  // namespace vdbq::gui
