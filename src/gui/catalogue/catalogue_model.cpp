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

void CatalogueModel::Index() {
  entries_.clear();
  const auto& roots = catalogue_.Tree;
  for (size_t i = 0; i < roots.size(); ++i) {
    entries_.push_back(Entry{&roots[i], -1, static_cast<int>(i), 0, -1});
  }
  // Breadth first: the children of each entry are appended together.
  for (size_t e = 0; e < entries_.size(); ++e) {
    const TreeNode* node = entries_[e].Node;
    if (node->Children.empty()) continue;
    entries_[e].FirstChild = static_cast<int>(entries_.size());
    const int level = entries_[e].Level + 1;
    for (size_t c = 0; c < node->Children.size(); ++c) {
      entries_.push_back(
          Entry{&node->Children[c], static_cast<int>(e), static_cast<int>(c), level, -1});
    }
  }
}

const CatalogueModel::Entry* CatalogueModel::EntryOf(const QModelIndex& index) const {
  if (!index.isValid()) return nullptr;
  const auto id = static_cast<size_t>(index.internalId());
  return id < entries_.size() ? &entries_[id] : nullptr;
}

QModelIndex CatalogueModel::index(int row, int column, const QModelIndex& parent) const {
  if (column != 0 || row < 0 || rebuilding_) return {};
  if (!parent.isValid()) {
    if (row >= static_cast<int>(catalogue_.Tree.size())) return {};
    return createIndex(row, 0, static_cast<quintptr>(row));
  }
  const Entry* p = EntryOf(parent);
  if (p == nullptr || p->FirstChild < 0 || row >= static_cast<int>(p->Node->Children.size())) {
    return {};
  }
  return createIndex(row, 0, static_cast<quintptr>(p->FirstChild + row));
}

QModelIndex CatalogueModel::parent(const QModelIndex& child) const {
  const Entry* e = EntryOf(child);
  if (e == nullptr || e->Parent < 0) return {};
  const Entry& p = entries_[static_cast<size_t>(e->Parent)];
  return createIndex(p.Row, 0, static_cast<quintptr>(e->Parent));
}

int CatalogueModel::rowCount(const QModelIndex& parent) const {
  if (rebuilding_) return 0;
  if (!parent.isValid()) return static_cast<int>(catalogue_.Tree.size());
  const Entry* e = EntryOf(parent);
  return e == nullptr ? 0 : static_cast<int>(e->Node->Children.size());
}

int CatalogueModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CatalogueModel::data(const QModelIndex& index, int role) const {
  const Entry* e = EntryOf(index);
  if (e == nullptr) return {};
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(e->Node->Caption);
    case Qt::DecorationRole:
      return TreeIcon(e->Node->Pictures.Normal, e->Node->Pictures.Selected);
    case Qt::ForegroundRole:
      if (e->Level == 1) return QBrush(QColor(0, 0, 128));
      if (e->Level == 2) return QBrush(QColor(0, 128, 0));
      return {};
    default:
      return {};
  }
}

Qt::ItemFlags CatalogueModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

NodeInfo CatalogueModel::Info(const QModelIndex& index) const {
  NodeInfo info;
  const Entry* e = EntryOf(index);
  if (e == nullptr) return info;
  info.Level = e->Level;
  info.Caption = e->Node->Caption;
  if (e->Parent >= 0) {
    const Entry& p = entries_[static_cast<size_t>(e->Parent)];
    info.ParentCaption = p.Node->Caption;
    if (p.Parent >= 0)
      info.GrandparentCaption = entries_[static_cast<size_t>(p.Parent)].Node->Caption;
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
      const Entry* e = EntryOf(child);
      if (e != nullptr && e->Node->Caption == caption) found = child;
    }
    if (!found.isValid()) return {};
    at = found;
  }
  return at;
}

}  // namespace vdbq::gui
