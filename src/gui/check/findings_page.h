#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QWidget>
#include <vector>

#include "core/check/finding.h"

namespace vdbq::gui {

// The findings of the database check, grouped by rule with a count and a severity icon per
// group. A double-click on a finding asks to open its object's page at its line.
class FindingsPage : public QWidget {
  Q_OBJECT
 public:
  explicit FindingsPage(QWidget* parent = nullptr);

  void SetFindings(std::vector<Finding> findings);
  const std::vector<Finding>& Findings() const { return findings_; }
  // The finding an item of the tree shows; nullptr for a rule's group.
  const Finding* FindingOf(const QTreeWidgetItem* item) const;

  QTreeWidget* Tree() const { return tree_; }
  QPushButton* ExportButton() const { return export_; }
  QLabel* Totals() const { return totals_; }

 signals:
  void openRequested(const vdbq::Finding& finding);
  void exportRequested();

 private:
  std::vector<Finding> findings_;
  QLabel* totals_;
  QTreeWidget* tree_;
  QPushButton* export_;
};

}  // namespace vdbq::gui
