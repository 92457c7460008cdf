#include "gui/catalogue/catalogue_model.h"

#include <QBrush>
#include <QColor>

#include "gui/resources/pictures.h"
#include "gui/text_convert.h"

namespace vdbq::gui {

CatalogueModel::CatalogueModel(const Catalogue& catalogue, QObject* parent)
    : QAbstractItemModel(parent), catalogue_(catalogue) {
  Index();
}

void CatalogueModel::BeginRebuild() {
  beginResetModel();
  rebuilding_ = true;
  entries_.clear();
}

void CatalogueModel::EndRebuild() {
  rebuilding_ = false;
  Index();
  endResetModel();
}

namespace {

// Marks the index of a node without an entry; the rest of its id is its parent's entry.
constexpr quintptr kUnderEntry = quintptr{1} << (sizeof(quintptr) * 8 - 1);

}  // namespace

void CatalogueModel::Index() {
  entries_.clear();
  const auto& roots = catalogue_.Tree;
  size_t count = roots.size();
  for (const TreeNode& root : roots) count += root.Children.size();
  entries_.reserve(count);
  for (size_t i = 0; i < roots.size(); ++i) {
    entries_.push_back(Entry{&roots[i], -1, static_cast<int>(i), 0, -1});
  }
  for (size_t e = 0; e < roots.size(); ++e) {
    const TreeNode* node = entries_[e].Node;
    if (node->Children.empty()) continue;
    entries_[e].FirstChild = static_cast<int>(entries_.size());
    for (size_t c = 0; c < node->Children.size(); ++c) {
      entries_.push_back(
          Entry{&node->Children[c], static_cast<int>(e), static_cast<int>(c), 1, -1});
    }
  }
}

CatalogueModel::Place CatalogueModel::PlaceOf(const QModelIndex& index) const {
  if (!index.isValid() || rebuilding_) return {};
  const quintptr id = index.internalId();
  const auto entry = static_cast<size_t>(id & ~kUnderEntry);
  if (entry >= entries_.size()) return {};
  const Entry& e = entries_[entry];
  if ((id & kUnderEntry) == 0) return Place{e.Node, e.Level, entry, true};
  const auto row = static_cast<size_t>(index.row());
  if (row >= e.Node->Children.size()) return {};
  return Place{&e.Node->Children[row], e.Level + 1, entry, false};
}

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || rebuilding_) return {};
  if (!parent.isValid()) {
    if (row >= static_cast<int>(catalogue_.Tree.size())) return {};
    return createIndex(row, 0, static_cast<quintptr>(row));
  }
  const Place p = PlaceOf(parent);
  if (!p.OwnEntry || row >= static_cast<int>(p.Node->Children.size())) return {};
  const Entry& e = entries_[p.Entry];
  if (e.Level == 0) return createIndex(row, 0, static_cast<quintptr>(e.FirstChild + row));
  return createIndex(row, 0, static_cast<quintptr>(p.Entry) | kUnderEntry);
}

QModelIndex CatalogueModel::parent(const QModelIndex& child) const {
  const Place place = PlaceOf(child);
  if (place.Node == nullptr) return {};
  const size_t parentEntry =
      place.OwnEntry ? static_cast<size_t>(entries_[place.Entry].Parent) : place.Entry;
  if (place.OwnEntry && entries_[place.Entry].Parent < 0) return {};
  return createIndex(entries_[parentEntry].Row, 0, static_cast<quintptr>(parentEntry));
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
  if (rebuilding_) return 0;
  if (!parent.isValid()) return static_cast<int>(catalogue_.Tree.size());
  // The catalogue is three levels deep: nodes without an entry have no children.
  const Place p = PlaceOf(parent);
  return p.OwnEntry ? static_cast<int>(p.Node->Children.size()) : 0;
}

int CatalogueModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
  const Place place = PlaceOf(index);
  if (place.Node == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(place.Node->Caption);
    case Qt::DecorationRole:
      return TreeIcon(place.Node->Pictures.Normal, place.Node->Pictures.Selected);
    case Qt::ForegroundRole:
      if (place.Level == 1) return QBrush(QColor(0, 0, 128));
      if (place.Level == 2) return QBrush(QColor(0, 128, 0));
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  // Expanding every node then stores the few hundred nodes that have children as expanded, not
  // the hundreds of thousands of schedules and jobs: persistent indexes of sibling rows hash
  // close together, and that many of them made Expand All and Collapse All take minutes.
  const Place place = PlaceOf(index);
  if (place.Node != nullptr && (!place.OwnEntry || place.Node->Children.empty())) {
    flags |= Qt::ItemNeverHasChildren;
  }
  return flags;
}

NodeInfo CatalogueModel::Info(const QModelIndex& index) const {
  NodeInfo info;
  const Place place = PlaceOf(index);
  if (place.Node == nullptr) return info;
  info.Level = place.Level;
  info.Caption = place.Node->Caption;
  // The entries above the node, nearest first.
  const int above = place.OwnEntry ? entries_[place.Entry].Parent : static_cast<int>(place.Entry);
  if (above >= 0) {
    const Entry& p = entries_[static_cast<size_t>(above)];
    info.ParentCaption = p.Node->Caption;
    if (p.Parent >= 0) {
      info.GrandparentCaption = entries_[static_cast<size_t>(p.Parent)].Node->Caption;
    }
  }
  return info;
}

QModelIndex CatalogueModel::FindPath(const std::vector<std::string>& captions) const {
  QModelIndex at;
  for (const std::string& caption : captions) {
    const int rows = rowCount(at);
    QModelIndex found;
    for (int r = 0; r < rows && !found.isValid(); ++r) {
      const QModelIndex child = index(r, 0, at);
      const Place place = PlaceOf(child);
      if (place.Node != nullptr && place.Node->Caption == caption) found = child;
    }
    if (!found.isValid()) return {};
    at = found;
  }
  return at;
}

}  // namespace vdbq::gui
