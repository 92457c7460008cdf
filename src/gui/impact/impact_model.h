#pragma once

#include <QAbstractItemModel>
#include <optional>
#include <string>

#include "core/impact/object_impact.h"

namespace vdbq::gui {

// An object one row of the impact names: the row opens it.
struct ImpactRowObject {
  ObjectKind Kind = ObjectKind::None;
  std::string Key;
};

// An impact as a tree of three sections, each headed by its count: the direct users, the
// schedules waiting downstream, the findings a removal would add. Columns: object, how (or
// steps, or message), where.
class ImpactModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  enum Section { kDirect, kDownstream, kFindings, kSectionCount };

  using QAbstractItemModel::QAbstractItemModel;

  // The removal check is part of the impact only once it has run.
  void SetImpact(ObjectImpact impact, bool removalChecked);
  void Clear();
  const ObjectImpact& Impact() const { return impact_; }
  bool RemovalChecked() const { return removalChecked_; }
  std::optional<ImpactRowObject> ObjectAt(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  int SectionSize(int section) const;
  QString SectionTitle(int section) const;
  QVariant ChildText(int section, int row, int column) const;

  ObjectImpact impact_;
  bool removalChecked_ = false;
};

}  // namespace vdbq::gui
