#pragma once

#include <QTreeWidget>

namespace vdbq::gui {

// The lists of the resource, parameter and prompt pages: flat, whole rows selected.
QTreeWidget* MakeObjectList(const QStringList& headings, QWidget* parent);

// The first cell in navy bold on pink, the others in navy; the cells named in `grey` on the
// light grey ground.
void StyleObjectRow(QTreeWidgetItem* item, std::initializer_list<int> grey = {});

}  // namespace vdbq::gui
