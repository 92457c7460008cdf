#include "gui/pages/name_list_page_widget.h"

#include "gui/pages/list_style.h"
#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

NameListPageWidget::NameListPageWidget(const NameListPageKind& kind, const ExtractStore& store,
                                       QWidget* parent)
    : QWidget(parent), kind_(kind), store_(store) {
  setObjectName(QString::fromLatin1(kind.PageName));
  auto* header = new PageHeader(kind.Category, this);
  title_ = header->Title();
  description_ = header->Subtitle();
  list_ = MakeObjectList({QString::fromLatin1(kind.Heading), QStringLiteral("Description")}, this);
  list_->setObjectName(QString::fromLatin1(kind.ListName));
  list_->setColumnWidth(0, 160);

  impact_ = header->AddImpactButton();
  StackUnderHeader(this, header, list_);

  OnRowClicked(list_, [this](int row) { RowClicked(row); });
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

void NameListPageWidget::Show(const Catalogue& catalogue, const std::string& name) {
  kind_.Show(store_, catalogue, name, page_);
  Present(page_.Selected);
}

void NameListPageWidget::RowClicked(long long row) {
  if (const auto name = kind_.ClickRow(store_, row, page_)) {
    Present(-1);
    emit copyRequested(*name);
  }
}

void NameListPageWidget::Present(long long selected) {
  title_->setText(ToQString(page_.Name));
  description_->setText(ToQString(page_.Description));
  if (selected >= 0 && selected < list_->topLevelItemCount()) {
    QTreeWidgetItem* item = list_->topLevelItem(static_cast<int>(selected));
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
  }
}

}  // namespace vdbq::gui
