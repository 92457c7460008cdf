#include "gui/pages/name_list_page_widget.h"

#include <QVBoxLayout>

#include "gui/pages/list_style.h"
#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

NameListPageWidget::NameListPageWidget(PageCategory category, const QString& heading,
                                       QWidget* parent)
    : QWidget(parent) {
  auto* header = new PageHeader(category, this);
  title_ = header->Title();
  description_ = header->Subtitle();
  list_ = MakeObjectList({heading, QStringLiteral("Description")}, this);
  list_->setColumnWidth(0, 160);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(header);
  layout->addWidget(list_, 1);

  connect(list_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
    const int row = list_->indexOfTopLevelItem(item);
    if (row >= 0) RowClicked(row);
  });
}

void NameListPageWidget::SetRows(const std::vector<NameValue>& rows) {
  list_->clear();
  QList<QTreeWidgetItem*> items;
  items.reserve(static_cast<qsizetype>(rows.size()));
  for (const NameValue& row : rows) {
    auto* item = new QTreeWidgetItem({ToQString(row.Name), ToQString(row.Value)});
    StyleObjectRow(item);
    items.append(item);
  }
  list_->addTopLevelItems(items);
}

void NameListPageWidget::Present(const std::string& title, long long selected,
                                 const std::string& description) {
  title_->setText(ToQString(title));
  description_->setText(ToQString(description));
  if (selected >= 0 && selected < list_->topLevelItemCount()) {
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(selected));
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
  }
}

}  // namespace vdbq::gui
