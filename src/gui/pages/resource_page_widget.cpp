#include "gui/pages/resource_page_widget.h"

#include "gui/pages/list_style.h"
#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

ResourcePageWidget::ResourcePageWidget(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabRes"));
  auto* header = new PageHeader(PageCategory::Resources, this);
  name_ = header->Title();
  name_->setObjectName(QStringLiteral("LabResName"));
  cpu_ = header->Subtitle();
  cpu_->setObjectName(QStringLiteral("LabResCpu"));
  list_ = MakeObjectList({QStringLiteral("Resource"), QStringLiteral("Workstation"),
                          QStringLiteral("Amount"), QStringLiteral("Description")},
                         this);
  list_->setObjectName(QStringLiteral("ListView1"));
  list_->setColumnWidth(0, 110);
  list_->setColumnWidth(1, 95);
  list_->setColumnWidth(2, 50);

  impact_ = header->AddImpactButton();
  StackUnderHeader(this, header, list_);

  OnRowClicked(list_, [this](int row) {
    if (static_cast<size_t>(row) < page_.History.size()) {
      emit copyRequested(page_.History[static_cast<size_t>(row)].Resource);
    }
  });
}

void ResourcePageWidget::Show(const ExtractStore& store, const Catalogue& catalogue,
                              const std::string& name) {
  ShowResource(store, catalogue, name, page_);
  name_->setText(ToQString(page_.Name));
  cpu_->setText(ToQString(page_.Workstation));
  if (page_.History.empty()) return;
  const ResourceRow& row = page_.History.front();
  auto* item = new QTreeWidgetItem({ToQString(row.Resource), ToQString(row.Workstation),
                                    ToQString(row.Amount), ToQString(row.Description)});
  item->setTextAlignment(2, Qt::AlignCenter);
  StyleObjectRow(item, {1, 2});
  list_->insertTopLevelItem(0, item);
  // The core keeps a bounded history; the list follows it.
  while (list_->topLevelItemCount() > static_cast<int>(page_.History.size())) {
    delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
  }
}

}  // namespace vdbq::gui
