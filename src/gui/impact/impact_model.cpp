#include "gui/impact/impact_model.h"

#include <QIcon>

#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

// The section rows carry no id; a child row carries its section plus one.
constexpr quintptr kSectionRowId = 0;

// The catalogue's picture of a node of the kind.
QIcon KindIcon(ObjectKind kind) {
  switch (kind) {
    case ObjectKind::Workstation:
      return QIcon(TreePicture(6));
    case ObjectKind::Schedule:
      return QIcon(TreePicture(2));
    case ObjectKind::Job:
      return QIcon(TreePicture(4));
    case ObjectKind::Calendar:
      return QIcon(TreePicture(14));
    case ObjectKind::Parameter:
      return QIcon(TreePicture(12));
    case ObjectKind::Prompt:
      return QIcon(TreePicture(10));
    case ObjectKind::Resource:
      return QIcon(TreePicture(8));
    case ObjectKind::None:
      break;
  }
  return {};
}

QString Place(std::string_view file, LineNumber line) {
  return ToQString(file) + QLatin1Char(':') + QString::number(line.Value);
}

}  // namespace

void ImpactModel::SetImpact(ObjectImpact impact, bool removalChecked) {
  beginResetModel();
  impact_ = std::move(impact);
  removalChecked_ = removalChecked;
  endResetModel();
}

void ImpactModel::Clear() { SetImpact({}, false); }

std::optional<ImpactRowObject> ImpactModel::ObjectAt(const QModelIndex& index) const {
  if (!index.isValid() || index.internalId() == kSectionRowId) return std::nullopt;
  const auto row = static_cast<size_t>(index.row());
  switch (static_cast<int>(index.internalId() - 1)) {
    case kDirect:
      return ImpactRowObject{impact_.Direct[row].Kind, impact_.Direct[row].Key};
    case kDownstream:
      return ImpactRowObject{ObjectKind::Schedule, impact_.Downstream[row].Key};
    default:
      return ImpactRowObject{impact_.CheckFindingsIfRemoved[row].Kind,
                             impact_.CheckFindingsIfRemoved[row].Key};
  }
}

QModelIndex ImpactModel::index(int row, int column, const QModelIndex& parent) const {
  if (row < 0 || column < 0 || column >= columnCount() || row >= rowCount(parent)) return {};
  if (!parent.isValid()) return createIndex(row, column, kSectionRowId);
  return createIndex(row, column, static_cast<quintptr>(parent.row() + 1));
}

QModelIndex ImpactModel::parent(const QModelIndex& child) const {
  if (!child.isValid() || child.internalId() == kSectionRowId) return {};
  return createIndex(static_cast<int>(child.internalId() - 1), 0, kSectionRowId);
}

int ImpactModel::rowCount(const QModelIndex& parent) const {
  if (!parent.isValid()) return impact_.Exists ? kSectionCount : 0;
  if (parent.internalId() != kSectionRowId || parent.column() != 0) return 0;
  return SectionSize(parent.row());
}

int ImpactModel::columnCount(const QModelIndex&) const { return 3; }

int ImpactModel::SectionSize(int section) const {
  switch (section) {
    case kDirect:
      return static_cast<int>(impact_.Direct.size());
    case kDownstream:
      return static_cast<int>(impact_.Downstream.size());
    default:
      return static_cast<int>(impact_.CheckFindingsIfRemoved.size());
  }
}

QString ImpactModel::SectionTitle(int section) const {
  const QString count = QStringLiteral(" (%1)").arg(SectionSize(section));
  switch (section) {
    case kDirect:
      return QStringLiteral("Direct users") + count;
    case kDownstream:
      return QStringLiteral("Waiting downstream") + count;
    default:
      return removalChecked_ ? QStringLiteral("Findings if removed") + count
                             : QStringLiteral("Findings if removed (not checked yet)");
  }
}

QVariant ImpactModel::ChildText(int section, int row, int column) const {
  const auto at = static_cast<size_t>(row);
  if (section == kDirect) {
    const DirectUse& use = impact_.Direct[at];
    if (column == 0) return ToQString(use.Key);
    if (column == 1) return QString::fromLatin1(use.How);
    return Place(use.File, use.Line);
  }
  if (section == kDownstream) {
    const DownstreamSchedule& schedule = impact_.Downstream[at];
    if (column == 0) return ToQString(schedule.Key);
    if (column == 1) {
      return schedule.Steps == 1 ? QStringLiteral("1 step")
                                 : QStringLiteral("%1 steps").arg(schedule.Steps);
    }
    return {};
  }
  const Finding& finding = impact_.CheckFindingsIfRemoved[at];
  if (column == 0) return ToQString(finding.Key);
  if (column == 1) return ToQString(finding.Message);
  return Place(finding.File, finding.Line);
}

QVariant ImpactModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (index.internalId() == kSectionRowId) {
    if (role == Qt::DisplayRole && index.column() == 0) return SectionTitle(index.row());
    return {};
  }
  const int section = static_cast<int>(index.internalId() - 1);
  if (role == Qt::DisplayRole || (role == Qt::ToolTipRole && index.column() == 1)) {
    return ChildText(section, index.row(), index.column());
  }
  if (role == Qt::DecorationRole && index.column() == 0) {
    if (const std::optional<ImpactRowObject> object = ObjectAt(index))
      return KindIcon(object->Kind);
  }
  return {};
}

QVariant ImpactModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  static const char* const kHeadings[] = {"Object", "How", "Where"};
  return section >= 0 && section < 3 ? QString::fromLatin1(kHeadings[section]) : QVariant();
}

}  // namespace vdbq::gui
