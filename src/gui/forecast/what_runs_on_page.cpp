#include "gui/forecast/what_runs_on_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace vdbq::gui {

WhatRunsOnPage::WhatRunsOnPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("whatRunsOnPage"));
  auto* title = new QLabel(QStringLiteral("What Runs On"), this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  title->setStyleSheet(QStringLiteral("color: navy"));
  picker_ = new QDateEdit(this);
  picker_->setObjectName(QStringLiteral("runsOnDate"));
  picker_->setCalendarPopup(true);
  picker_->setDisplayFormat(QStringLiteral("ddd d MMM yyyy"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("runsOnCount"));
  // The date's schedules, in the command line's formats.
  exportCsv_ = new QPushButton(QStringLiteral("CSV..."), this);
  exportCsv_->setObjectName(QStringLiteral("runsOnExportCsv"));
  exportCsv_->setToolTip(QStringLiteral("Export the date's schedules to a CSV file"));
  exportIcs_ = new QPushButton(QStringLiteral("iCalendar..."), this);
  exportIcs_->setObjectName(QStringLiteral("runsOnExportIcs"));
  exportIcs_->setToolTip(QStringLiteral("Export the date's schedules to an iCalendar file"));

  // The page is no wider at least than the others, so that showing it leaves the tree its
  // width: the count may be cut instead.
  count_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  auto* heading = new QHBoxLayout;
  heading->addWidget(title);
  heading->addSpacing(12);
  heading->addWidget(picker_);
  heading->addSpacing(12);
  heading->addWidget(count_, 1);
  auto* exports = new QHBoxLayout;
  exports->addStretch(1);
  exports->addWidget(new QLabel(QStringLiteral("Export:"), this));
  exports->addWidget(exportCsv_);
  exports->addWidget(exportIcs_);

  strip_ = new MonthStrip(this);
  strip_->setToolTip(QStringLiteral("Schedules that run each day of the month"));

  model_ = new DayRunsModel(this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("runsOnView"));
  view_->setModel(sorted_);
  view_->setSortingEnabled(true);
  view_->sortByColumn(0, Qt::AscendingOrder);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setAlternatingRowColors(true);
  view_->verticalHeader()->hide();
  // Rows as close as the Findings page's; the key takes the width, the time what it needs.
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->setShowGrid(false);
  view_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  view_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(heading);
  layout->addWidget(strip_);
  layout->addWidget(view_, 1);
  layout->addLayout(exports);

  connect(picker_, &QDateEdit::dateChanged, this, &WhatRunsOnPage::dateRequested);
  connect(strip_, &MonthStrip::dateChosen, this, &WhatRunsOnPage::dateRequested);
  connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    const QModelIndex row = sorted_->mapToSource(index);
    if (row.isValid()) emit openRequested(model_->Runs()[static_cast<size_t>(row.row())].Key);
  });
  connect(exportCsv_, &QPushButton::clicked, this, &WhatRunsOnPage::exportCsvRequested);
  connect(exportIcs_, &QPushButton::clicked, this, &WhatRunsOnPage::exportIcsRequested);
}

void WhatRunsOnPage::Show(QDate date, std::vector<DayRun> runs, std::vector<int> monthCounts) {
  {
    const QSignalBlocker quiet(picker_);
    picker_->setDate(date);
  }
  const auto total = runs.size();
  count_->setText(total == 1 ? QStringLiteral("1 schedule")
                             : QStringLiteral("%1 schedules").arg(total));
  model_->SetRuns(std::move(runs));
  strip_->SetMonth(date, std::move(monthCounts), date);
  exportCsv_->setEnabled(total > 0);
  exportIcs_->setEnabled(total > 0);
}

}  // namespace vdbq::gui
