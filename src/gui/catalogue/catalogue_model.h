#pragma once

#include <QAbstractItemModel>
#include <string>
#include <vector>

#include "core/catalogue/catalogue.h"

namespace vdbq::gui {

// Where a node stands: what the selection handling and the pop-up menu need to know of it.
struct NodeInfo {
  int Level = -1;  // -1: no node
  std::string Caption;
  std::string ParentCaption;
  std::string GrandparentCaption;
};

// The catalogue tree as an item model over the core's tree: captions, the node pictures and
// the node colours (workstations and other second-level nodes navy, third-level nodes green).
class CatalogueModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  explicit CatalogueModel(const Catalogue& catalogue, QObject* parent = nullptr);

  // Bracket every change of the core's tree.
  void BeginRebuild();
  void EndRebuild();

  NodeInfo Info(const QModelIndex& index) const;
  // The node reached by following the captions from a heading down, each the first child of
  // that caption; invalid when there is none.
  QModelIndex FindPath(const std::vector<std::string>& captions) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  // One entry per heading and per node below a heading, the children of an entry stored
  // contiguously from FirstChild. The nodes a level further down (the hundreds of thousands of
  // schedules and jobs) have no entry: their index holds their parent's entry and their row.
  struct Entry {
    const TreeNode* Node;
    int Parent;  // -1 for headings
    int Row;
    int Level;
    int FirstChild;
  };
  // Where a model index leads: its node, level and the entry of the node or of its parent.
  struct Place {
    const TreeNode* Node = nullptr;
    int Level = -1;
    size_t Entry = 0;  // the node's own, or for a node without one its parent's
    bool OwnEntry = false;
  };
  void Index();
  Place PlaceOf(const QModelIndex& index) const;

  const Catalogue& catalogue_;
  std::vector<Entry> entries_;
  bool rebuilding_ = false;
};

}  // namespace vdbq::gui
