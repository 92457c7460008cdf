#include "gui/impact/impact_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QVBoxLayout>

#include "gui/pages/page_header.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

QString KindAndKey(ObjectKind kind, const std::string& key) {
  return QString::fromLatin1(KindName(kind)) + QLatin1Char(' ') + ToQString(key);
}

QString CheckRemovalText() { return QStringLiteral("Check Removal"); }

QString SummaryOf(const ObjectImpact& impact, const QString& object) {
  if (!impact.Exists) return QStringLiteral("The database has no ") + object + QLatin1Char('.');
  if (impact.Direct.empty() && impact.Downstream.empty()) {
    return QStringLiteral("Nothing names ") + object + QStringLiteral(" and nothing waits for it.");
  }
  return QStringLiteral("%1 direct users, %2 schedules waiting downstream.")
      .arg(impact.Direct.size())
      .arg(impact.Downstream.size());
}

}  // namespace

ImpactPage::ImpactPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabImpact"));
  header_ = new PageHeader(PageCategory::Impact, this);
  summary_ = header_->Subtitle();
  summary_->setObjectName(QStringLiteral("impactSummary"));
  model_ = new ImpactModel(this);
  view_ = new QTreeView(this);
  view_->setObjectName(QStringLiteral("impactView"));
  view_->setModel(model_);
  view_->setUniformRowHeights(true);
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  view_->header()->setStretchLastSection(false);
  view_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
  removal_ = new QPushButton(CheckRemovalText(), this);
  removal_->setObjectName(QStringLiteral("impactCheckRemoval"));
  removal_->setToolTip(QStringLiteral("Find what the database check would report without it"));
  graph_ = new QPushButton(QStringLiteral("Show In Graph"), this);
  graph_->setObjectName(QStringLiteral("impactShowInGraph"));
  graph_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(removal_);
  buttons->addWidget(graph_);
  buttons->addStretch();
  auto* body = new QVBoxLayout;
  body->setContentsMargins(0, 0, 0, 0);
  body->addWidget(view_);
  body->addLayout(buttons);
  StackUnderHeader(this, header_, body);
  Clear();

  connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
    if (const std::optional<ImpactRowObject> object = model_->ObjectAt(index)) {
      emit openRequested(object->Kind, object->Key);
    }
  });
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { graph_->setEnabled(!CurrentSchedule().empty()); });
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { graph_->setEnabled(false); });
  connect(graph_, &QPushButton::clicked, this, [this] {
    if (const std::string key = CurrentSchedule(); !key.empty()) emit graphRequested(key);
  });
  connect(removal_, &QPushButton::clicked, this, &ImpactPage::removalCheckRequested);
  connect(view_, &QWidget::customContextMenuRequested, this, &ImpactPage::ShowContextMenu);
}

void ImpactPage::Show(ObjectKind kind, const std::string& key, ObjectImpact impact,
                      bool removalChecked) {
  const QString object = KindAndKey(kind, key);
  header_->Title()->setText(QStringLiteral("Impact of ") + object);
  summary_->setText(SummaryOf(impact, object));
  removal_->setText(CheckRemovalText());
  removal_->setEnabled(impact.Exists && !removalChecked);
  model_->SetImpact(std::move(impact), removalChecked);
  view_->expandAll();
  for (int column = 0; column < model_->columnCount(); ++column) {
    if (column != 1) view_->resizeColumnToContents(column);
  }
}

void ImpactPage::ShowCheckingRemoval() {
  removal_->setText(QStringLiteral("Checking Removal..."));
  removal_->setEnabled(false);
}

void ImpactPage::Clear() {
  header_->Title()->setText(QStringLiteral("Impact"));
  summary_->setText(QStringLiteral("Choose Show Impact on an object to see what depends on it."));
  removal_->setText(CheckRemovalText());
  removal_->setEnabled(false);
  model_->Clear();
}

std::string ImpactPage::CurrentSchedule() const {
  const std::optional<ImpactRowObject> object = model_->ObjectAt(view_->currentIndex());
  return object && object->Kind == ObjectKind::Schedule ? object->Key : std::string();
}

void ImpactPage::ShowContextMenu(const QPoint& at) {
  const QModelIndex index = view_->indexAt(at);
  const std::optional<ImpactRowObject> object = model_->ObjectAt(index);
  if (!object) return;
  view_->setCurrentIndex(index);
  QMenu menu(this);
  menu.addAction(QStringLiteral("Open"), this,
                 [this, object] { emit openRequested(object->Kind, object->Key); });
  if (object->Kind == ObjectKind::Schedule) {
    menu.addAction(QStringLiteral("Show In Graph"), this,
                   [this, object] { emit graphRequested(object->Key); });
  }
  menu.exec(view_->viewport()->mapToGlobal(at));
}

}  // namespace vdbq::gui
