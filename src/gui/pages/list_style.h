#pragma once

#include <QTreeWidget>
#include <functional>

namespace vdbq::gui {

// The lists of the resource, parameter and prompt pages: flat, whole rows selected.
QTreeWidget* MakeObjectList(const QStringList& headings, QWidget* parent);

// Calls `clicked` with the row of a top-level item clicked in the list.
void OnRowClicked(QTreeWidget* list, const std::function<void(int)>& clicked);

// The first cell in navy bold on pink, the others in navy; the cells named in `grey` on the
// light grey ground.
void StyleObjectRow(QTreeWidgetItem* item, std::initializer_list<int> grey = {});

}  // namespace vdbq::gui
