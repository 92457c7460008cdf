#include "gui/check/findings_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr int kFindingRole = Qt::UserRole + 1;

}  // namespace

FindingsPage::FindingsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabChk"));
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QHBoxLayout;
  auto* title = new QLabel(QStringLiteral("Database Check"), this);
  QFont big = title->font();
  big.setPointSize(big.pointSize() + 4);
  big.setBold(true);
  title->setFont(big);
  title->setStyleSheet(QStringLiteral("color: navy"));
  totals_ = new QLabel(this);
  totals_->setObjectName(QStringLiteral("LabChkTotals"));
  export_ = new QPushButton(QStringLiteral("Export To CSV File..."), this);
  export_->setObjectName(QStringLiteral("ChkExportCsv"));
  heading->addWidget(title);
  heading->addSpacing(16);
  heading->addWidget(totals_, 1);
  heading->addWidget(export_);
  layout->addLayout(heading);

  tree_ = new QTreeWidget(this);
  tree_->setObjectName(QStringLiteral("TvFindings"));
  tree_->setColumnCount(3);
  tree_->setHeaderLabels(
      {QStringLiteral("Rule / Object"), QStringLiteral("Where"), QStringLiteral("What")});
  tree_->setAlternatingRowColors(true);
  tree_->setUniformRowHeights(true);
  tree_->header()->setStretchLastSection(true);
  tree_->setColumnWidth(0, 300);
  tree_->setColumnWidth(1, 150);
  layout->addWidget(tree_, 1);

  connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item, int) {
    if (const Finding* finding = FindingOf(item)) emit openRequested(*finding);
  });
  connect(export_, &QPushButton::clicked, this, &FindingsPage::exportRequested);
}

void FindingsPage::SetFindings(std::vector<Finding> findings) {
  findings_ = std::move(findings);
  tree_->clear();
  const FindingTotals totals = CountFindings(findings_);
  totals_->setText(QString::fromStdString(TotalsText(totals)));
  export_->setEnabled(!findings_.empty());

  // One group per rule that found something, in the rules' order; findings within a group
  // keep the check's order (file, line).
  std::vector<std::vector<size_t>> byRule(CheckRules().size());
  for (size_t k = 0; k < findings_.size(); ++k) {
    const RuleInfo* rule = FindRule(findings_[k].Rule);
    if (rule != nullptr) byRule[static_cast<size_t>(rule - CheckRules().data())].push_back(k);
  }
  QList<QTreeWidgetItem*> groups;
  for (size_t r = 0; r < byRule.size(); ++r) {
    if (byRule[r].empty()) continue;
    const RuleInfo& rule = CheckRules()[r];
    auto* group = new QTreeWidgetItem;
    group->setText(
        0, QStringLiteral("%1 (%2)").arg(QString::fromLatin1(rule.Title)).arg(byRule[r].size()));
    group->setText(1, QString::fromLatin1(rule.Id));
    group->setText(2, QString::fromLatin1(SeverityText(rule.Severity)));
    group->setIcon(
        0, style()->standardIcon(rule.Severity == Severity::Error ? QStyle::SP_MessageBoxCritical
                                                                  : QStyle::SP_MessageBoxWarning));
    QFont bold = group->font(0);
    bold.setBold(true);
    group->setFont(0, bold);
    QList<QTreeWidgetItem*> children;
    for (size_t k : byRule[r]) {
      const Finding& f = findings_[k];
      auto* item = new QTreeWidgetItem;
      item->setText(0, QString::fromLatin1(KindName(f.Kind)) + QLatin1Char(' ') + ToQString(f.Key));
      item->setText(
          1, QString::fromStdString(f.File) + QLatin1Char(':') + QString::number(f.Line.Value));
      item->setText(2, ToQString(f.Message));
      item->setToolTip(2, item->text(2));
      item->setData(0, kFindingRole, static_cast<qulonglong>(k));
      children.push_back(item);
    }
    group->addChildren(children);
    groups.push_back(group);
  }
  tree_->addTopLevelItems(groups);
  for (QTreeWidgetItem* group : groups) group->setExpanded(true);
}

const Finding* FindingsPage::FindingOf(const QTreeWidgetItem* item) const {
  if (item == nullptr || item->parent() == nullptr) return nullptr;
  const size_t k = item->data(0, kFindingRole).toULongLong();
  return k < findings_.size() ? &findings_[k] : nullptr;
}

}  // namespace vdbq::gui
