#include "gui/check/findings_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QVBoxLayout>

#include "gui/text_convert.h"

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
  // Wrapped, a large count never widens the page, so the catalogue tree keeps its width.
  totals_->setWordWrap(true);
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
  // The message takes the room the object and place leave, elided; the detail line below shows
  // it whole, so nothing needs a sideways scroll at the window's first size.
  view_->header()->setStretchLastSection(true);
  view_->setColumnWidth(0, 180);
  view_->setColumnWidth(1, 120);
  layout->addWidget(view_, 1);

  detail_ = new QLabel(this);
  detail_->setObjectName(QStringLiteral("findingDetail"));
  detail_->setWordWrap(true);
  detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  detail_->setMinimumHeight(detail_->fontMetrics().lineSpacing() * 3);
  layout->addWidget(detail_);

  connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
    if (const Finding* finding = model_->FindingAt(index)) emit openRequested(*finding);
  });
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { ShowDetail(current); });
  connect(export_, &QPushButton::clicked, this, &FindingsPage::exportRequested);
}

void FindingsPage::SetFindings(std::vector<Finding> findings) {
  model_->SetFindings(std::move(findings));
  totals_->setText(QString::fromStdString(TotalsText(CountFindings(Findings()))));
  export_->setEnabled(!Findings().empty());
  view_->expandAll();
  detail_->clear();
}

void FindingsPage::ShowDetail(const QModelIndex& current) {
  const Finding* finding = model_->FindingAt(current);
  if (!finding) {
    detail_->clear();
    return;
  }
  detail_->setText(ToQString(FindingObjectText(*finding)) + QStringLiteral(", ") +
                   ToQString(FindingPlaceText(*finding)) + QLatin1Char('\n') +
                   ToQString(finding->Message));
}

}  // namespace vdbq::gui
