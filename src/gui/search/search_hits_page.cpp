#include "gui/search/search_hits_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QVBoxLayout>
#include <utility>

#include "gui/search/match_delegate.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

QString Count(size_t n) { return QLocale(QLocale::English).toString(static_cast<qulonglong>(n)); }

QString SummaryOf(const FoundLines& lines) {
  if (!lines.Error.isEmpty()) return lines.Error;
  if (lines.Total == 0) return QStringLiteral("Nothing found.");
  QString text = Count(lines.Total) + (lines.Total == 1 ? QStringLiteral(" line found")
                                                        : QStringLiteral(" lines found"));
  if (lines.Truncated) text += QStringLiteral(", the first %1 shown").arg(Count(lines.Hits.size()));
  return text + QLatin1Char('.');
}

}  // namespace

SearchHitsPage::SearchHitsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("searchHitsPage"));
  auto* title = new QLabel(QStringLiteral("Find In Definitions"), this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 3);
  big.setBold(true);
  title->setFont(big);

  pattern_ = new QLineEdit(this);
  pattern_->setObjectName(QStringLiteral("searchPattern"));
  pattern_->setPlaceholderText(QStringLiteral("Text to find in every definition"));
  pattern_->setClearButtonEnabled(true);
  regex_ = new QCheckBox(QStringLiteral("Regular expression"), this);
  regex_->setObjectName(QStringLiteral("searchRegex"));
  matchCase_ = new QCheckBox(QStringLiteral("Match case"), this);
  matchCase_->setObjectName(QStringLiteral("searchMatchCase"));
  find_ = new QPushButton(QStringLiteral("Find"), this);
  find_->setObjectName(QStringLiteral("searchFind"));
  auto* fields = new QHBoxLayout;
  fields->addWidget(pattern_, 1);
  fields->addWidget(regex_);
  fields->addWidget(matchCase_);
  fields->addWidget(find_);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("searchSummary"));
  summary_->setTextFormat(Qt::PlainText);

  model_ = new SearchHitsModel(this);
  view_ = new QTableView(this);
  view_->setObjectName(QStringLiteral("searchHits"));
  view_->setModel(model_);
  view_->setSelectionBehavior(QAbstractItemView::SelectRows);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view_->setWordWrap(false);
  view_->setShowGrid(false);
  view_->verticalHeader()->hide();
  view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
  view_->horizontalHeader()->setStretchLastSection(true);
  view_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  view_->setItemDelegateForColumn(SearchHitsModel::kText, new MatchDelegate(view_));
  const int widths[] = {200, 80, 120, 50};
  for (int column = 0; column < SearchHitsModel::kText; ++column) {
    view_->horizontalHeader()->resizeSection(column, widths[column]);
  }

  export_ = new QPushButton(QStringLiteral("Export To CSV File..."), this);
  export_->setObjectName(QStringLiteral("searchExport"));
  export_->setEnabled(false);
  auto* foot = new QHBoxLayout;
  foot->addWidget(summary_, 1);
  foot->addWidget(export_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(fields);
  layout->addWidget(view_, 1);
  layout->addLayout(foot);

  connect(pattern_, &QLineEdit::returnPressed, this, &SearchHitsPage::findRequested);
  connect(find_, &QPushButton::clicked, this, &SearchHitsPage::findRequested);
  connect(export_, &QPushButton::clicked, this, &SearchHitsPage::exportRequested);
  connect(view_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    if (const SearchHit* hit = model_->HitAt(index)) emit openRequested(*hit);
  });
}

SearchQuery SearchHitsPage::Query() const {
  SearchQuery query;
  query.Pattern = ToBytes(pattern_->text());
  query.Regex = regex_->isChecked();
  query.MatchCase = matchCase_->isChecked();
  return query;
}

void SearchHitsPage::SetPattern(const QString& text) { pattern_->setText(text); }

void SearchHitsPage::Clear() {
  model_->Clear();
  export_->setEnabled(false);
  summary_->clear();
}

void SearchHitsPage::ShowSearching() {
  model_->Clear();
  export_->setEnabled(false);
  summary_->setText(QStringLiteral("Searching..."));
}

void SearchHitsPage::ShowLines(FoundLines lines) {
  summary_->setText(SummaryOf(lines));
  summary_->setStyleSheet(lines.Error.isEmpty() ? QString() : QStringLiteral("color: maroon"));
  model_->SetLines(std::move(lines));
  export_->setEnabled(model_->rowCount() > 0);
}

}  // namespace vdbq::gui
