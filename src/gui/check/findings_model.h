#pragma once

#include <QAbstractItemModel>
#include <vector>

#include "core/check/finding.h"
#include "core/check/finding_groups.h"

namespace vdbq::gui {

// The findings as a tree of two levels: a row per rule that found something (title with count,
// rule id, severity, and a severity icon), and below it a row per finding (object, place,
// message).
class FindingsModel : public QAbstractItemModel {
  Q_OBJECT
 public:
  explicit FindingsModel(QObject* parent = nullptr);

  void SetFindings(std::vector<Finding> findings);
  const std::vector<Finding>& Findings() const { return findings_; }
  // The finding a row shows; nullptr for a rule's row.
  const Finding* FindingAt(const QModelIndex& index) const;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  QVariant GroupData(const FindingGroup& group, int column, int role) const;
  QVariant FindingData(const Finding& finding, int column, int role) const;

  std::vector<Finding> findings_;
  std::vector<FindingGroup> groups_;
};

}  // namespace vdbq::gui
