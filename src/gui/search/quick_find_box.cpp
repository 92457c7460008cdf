#include "gui/search/quick_find_box.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "gui/search/match_delegate.h"

namespace vdbq::gui {
namespace {

constexpr int kBoxWidth = 720;
constexpr int kBoxHeight = 420;
constexpr int kObjectColumnWidth = 210;

}  // namespace

QuickFindBox::QuickFindBox(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("quickFind"));
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setStyleSheet(QStringLiteral("#quickFind { background: #f6f7fa; border: 1px solid #7a869a; }"));

  field_ = new QLineEdit(this);
  field_->setObjectName(QStringLiteral("quickFindText"));
  field_->setPlaceholderText(QStringLiteral("Find a key or any text of the definitions"));
  field_->setClearButtonEnabled(true);
  field_->installEventFilter(this);

  model_ = new SearchHitsModel(this);
  view_ = new QTreeView(this);
  view_->setObjectName(QStringLiteral("quickFindHits"));
  view_->setModel(model_);
  view_->setRootIsDecorated(false);
  view_->setUniformRowHeights(true);
  view_->setHeaderHidden(true);
  view_->setFocusPolicy(Qt::NoFocus);
  view_->setItemDelegateForColumn(SearchHitsModel::kText, new MatchDelegate(view_));
  for (int column : {SearchHitsModel::kKind, SearchHitsModel::kFile, SearchHitsModel::kLine}) {
    view_->setColumnHidden(column, true);
  }
  view_->header()->resizeSection(SearchHitsModel::kObject, kObjectColumnWidth);
  view_->header()->setStretchLastSection(true);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("quickFindSummary"));
  auto* all = new QPushButton(QStringLiteral("All Hits..."), this);
  all->setObjectName(QStringLiteral("quickFindAll"));
  all->setFocusPolicy(Qt::NoFocus);
  auto* foot = new QHBoxLayout;
  foot->addWidget(summary_, 1);
  foot->addWidget(all);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->addWidget(field_);
  layout->addWidget(view_, 1);
  layout->addLayout(foot);
  resize(kBoxWidth, kBoxHeight);
  hide();

  connect(field_, &QLineEdit::textEdited, this, &QuickFindBox::textEdited);
  connect(view_, &QTreeView::clicked, this, &QuickFindBox::OpenRow);
  connect(all, &QPushButton::clicked, this, [this] {
    hide();
    emit allHitsRequested(field_->text());
  });
}

void QuickFindBox::Open() {
  openOnArrival_ = false;
  Place();
  show();
  raise();
  field_->setFocus();
  field_->selectAll();
}

void QuickFindBox::Place() {
  const QWidget* window = parentWidget();
  const int width = std::min(kBoxWidth, window->width() - 40);
  resize(width, std::min(kBoxHeight, window->height() - 80));
  move((window->width() - width) / 2, 60);
}

void QuickFindBox::Clear() {
  searching_ = false;
  openOnArrival_ = false;
  model_->Clear();
  summary_->clear();
}

void QuickFindBox::ShowSearching() {
  searching_ = true;
  summary_->setText(QStringLiteral("Searching..."));
}

void QuickFindBox::ShowLines(FoundLines lines) {
  if (!lines.Error.isEmpty()) {
    summary_->setText(lines.Error);
  } else if (lines.Hits.empty()) {
    summary_->setText(QStringLiteral("Nothing found"));
  } else {
    summary_->setText(lines.Hits.size() < kQuickFindLimit
                          ? QStringLiteral("%1 found").arg(lines.Hits.size())
                          : QStringLiteral("The first %1 shown").arg(lines.Hits.size()));
  }
  searching_ = false;
  model_->SetLines(std::move(lines));
  if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(0, 0));
  if (std::exchange(openOnArrival_, false)) OpenRow(view_->currentIndex());
}

void QuickFindBox::OpenRow(const QModelIndex& index) {
  const SearchHit* hit = model_->HitAt(index);
  if (hit == nullptr) return;
  const SearchHit chosen = *hit;
  hide();
  emit openRequested(chosen);
}

bool QuickFindBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != field_ || event->type() != QEvent::KeyPress) {
    return QFrame::eventFilter(watched, event);
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  const int row = view_->currentIndex().row();
  switch (key->key()) {
    case Qt::Key_Escape:
      openOnArrival_ = false;
      hide();
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (searching_) {
        openOnArrival_ = true;
      } else {
        OpenRow(view_->currentIndex());
      }
      return true;
    case Qt::Key_Down:
    case Qt::Key_Up: {
      const int next = row + (key->key() == Qt::Key_Down ? 1 : -1);
      if (next >= 0 && next < model_->rowCount()) view_->setCurrentIndex(model_->index(next, 0));
      return true;
    }
    default:
      return QFrame::eventFilter(watched, event);
  }
}

}  // namespace vdbq::gui
