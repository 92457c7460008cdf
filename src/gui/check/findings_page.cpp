#include "gui/check/findings_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

namespace vdbq::gui {

FindingsPage::FindingsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("findingsPage"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout;
  auto* title = new QLabel(QStringLiteral("Database Check"), this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  title->setStyleSheet(QStringLiteral("color: navy"));
  totals_ = new QLabel(this);
  totals_->setObjectName(QStringLiteral("findingsTotals"));
  export_ = new QPushButton(QStringLiteral("Export To CSV File..."), this);
  export_->setObjectName(QStringLiteral("findingsExport"));
  heading->addWidget(title);
  heading->addSpacing(16);
  heading->addWidget(totals_, 1);
  heading->addWidget(export_);
  layout->addLayout(heading);

  model_ = new FindingsModel(this);
  view_ = new QTreeView(this);
  view_->setObjectName(QStringLiteral("findingsView"));
  view_->setModel(model_);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->setUniformRowHeights(true);
  view_->header()->setStretchLastSection(true);
  view_->setColumnWidth(0, 300);
  view_->setColumnWidth(1, 150);
  layout->addWidget(view_, 1);

  connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
    if (const Finding* finding = model_->FindingAt(index)) emit openRequested(*finding);
  });
  connect(export_, &QPushButton::clicked, this, &FindingsPage::exportRequested);
}

void FindingsPage::SetFindings(std::vector<Finding> findings) {
  model_->SetFindings(std::move(findings));
  totals_->setText(QString::fromStdString(TotalsText(CountFindings(Findings()))));
  export_->setEnabled(!Findings().empty());
  view_->expandAll();
}

}  // namespace vdbq::gui
