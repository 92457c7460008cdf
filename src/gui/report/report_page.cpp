#include "gui/report/report_page.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "core/reports/report_panel.h"
#include "gui/pages/page_header.h"
#include "gui/report/result_delegate.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

ReportPage::ReportPage(const ResultList& results, ResultModel& model, QWidget* parent)
    : QWidget(parent), results_(results) {
  setObjectName(QStringLiteral("TabReport"));
  auto* header = new PageHeader(PageCategory::Report, this);
  title1_ = header->Title();
  title1_->setObjectName(QStringLiteral("LabRepTit1"));
  title2_ = header->Subtitle();
  title2_->setObjectName(QStringLiteral("LabRepTit2"));

  list_ = new QTableView(this);
  list_->setObjectName(QStringLiteral("LvRep"));
  list_->setModel(&model);
  list_->setItemDelegate(new ResultDelegate(list_));
  list_->horizontalHeader()->hide();
  list_->verticalHeader()->hide();
  list_->setShowGrid(true);
  list_->setGridStyle(Qt::SolidLine);
  list_->setSelectionBehavior(QAbstractItemView::SelectRows);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  // The arrow keys move inside the list; Tab goes on to the next control.
  list_->setTabKeyNavigation(false);
  list_->setWordWrap(false);
  list_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 4);
  QPalette pal = list_->palette();
  pal.setColor(QPalette::Base, QColor(210, 210, 210));
  pal.setColor(QPalette::Window, QColor(210, 210, 210));
  list_->setPalette(pal);
  connect(list_, &QTableView::clicked, this,
          [this](const QModelIndex& index) { emit rowClicked(index.row()); });

  hint_ = new QLabel(QString::fromLatin1(kHintInitial), this);
  hint_->setObjectName(QStringLiteral("LabHint"));
  hint_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128); padding: 2px 6px;"));

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(header);
  layout->addWidget(list_, 1);
  layout->addWidget(hint_);
}

void ReportPage::ShowResults() {
  title1_->setText(ToQString(results_.Title));
  title2_->setText(ToQString(results_.Subtitle));
  // The reports give widths for a font whose digits are five pixels wide; wider fonts get
  // proportionally wider columns, so the texts fit as the widths intend.
  const double digit = list_->fontMetrics().horizontalAdvance(QStringLiteral("0123456789")) / 10.0;
  const double scale = std::clamp(digit / 5.0, 1.0, 2.0);
  for (int k = 0; k < kResultColumns; ++k) {
    const int width = results_.Widths[static_cast<size_t>(k)];
    list_->setColumnHidden(k, width <= 0);
    if (width > 0) list_->setColumnWidth(k, static_cast<int>(width * scale));
  }
}

void ReportPage::SetHint(const QString& hint) { hint_->setText(hint); }

void ReportPage::ScrollToStart() {
  list_->horizontalScrollBar()->setValue(0);
  list_->verticalScrollBar()->setValue(0);
}

}  // namespace vdbq::gui
