#include "gui/check/findings_model.h"

#include <QApplication>
#include <QFont>
#include <QStyle>

#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

constexpr int kColumns = 3;
// A rule's row has the internal id 0, a finding's row its group's row + 1.
constexpr quintptr kGroupRow = 0;

}  // namespace

FindingsModel::FindingsModel(QObject* parent) : QAbstractItemModel(parent) {}

void FindingsModel::SetFindings(std::vector<Finding> findings) {
  beginResetModel();
  findings_ = std::move(findings);
  groups_ = GroupFindingsByRule(findings_);
  endResetModel();
}

const Finding* FindingsModel::FindingAt(const QModelIndex& index) const {
  if (!index.isValid() || index.internalId() == kGroupRow) return nullptr;
  const FindingGroup& group = groups_[index.internalId() - 1];
  return &findings_[group.Members[static_cast<size_t>(index.row())]];
}

QModelIndex FindingsModel::index(int row, int column, const QModelIndex& parent) const {
  if (!hasIndex(row, column, parent)) return {};
  if (!parent.isValid()) return createIndex(row, column, kGroupRow);
  return createIndex(row, column, static_cast<quintptr>(parent.row()) + 1);
}

QModelIndex FindingsModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kGroupRow) return {};
  return createIndex(static_cast<int>(child.internalId() - 1), 0, kGroupRow);
}

int FindingsModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return static_cast<int>(groups_.size());
  if (parent.internalId() != kGroupRow || parent.column() != 0) return 0;
  return static_cast<int>(groups_[static_cast<size_t>(parent.row())].Members.size());
}

int FindingsModel::columnCount(const QModelIndex&) const { return kColumns; }

QVariant FindingsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (const Finding* finding = FindingAt(index)) return FindingData(*finding, index.column(), role);
  return GroupData(groups_[static_cast<size_t>(index.row())], index.column(), role);
}

QVariant FindingsModel::GroupData(const FindingGroup& group, int column, int role) const {
  if (role == Qt::DisplayRole) {
    switch (column) {
      case 0:
        return QString::fromStdString(GroupTitle(group));
      case 1:
        return QString::fromLatin1(group.Rule->Id);
      default:
        return QString::fromLatin1(SeverityText(group.Rule->Severity));
    }
  }
  if (column != 0) return {};
  if (role == Qt::DecorationRole) {
    return QApplication::style()->standardIcon(group.Rule->Severity == Severity::Error
                                                   ? QStyle::SP_MessageBoxCritical
                                                   : QStyle::SP_MessageBoxWarning);
  }
  if (role == Qt::FontRole) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  return {};
}

QVariant FindingsModel::FindingData(const Finding& finding, int column, int role) const {
  if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && column == 2)) {
    switch (column) {
      case 0:
        return ToQString(FindingObjectText(finding));
      case 1:
        return ToQString(FindingPlaceText(finding));
      default:
        return ToQString(finding.Message);
    }
  }
  return {};
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeadings[kColumns] = {"Rule / Object", "Where", "What"};
  return section >= 0 && section < kColumns ? QString::fromLatin1(kHeadings[section]) : QVariant();
}

}  // namespace vdbq::gui
