#pragma once

#include <QLabel>
#include <QPushButton>
#include <QTreeView>
#include <QWidget>
#include <vector>

#include "core/check/finding.h"
#include "gui/check/findings_model.h"

namespace vdbq::gui {

// The findings of the database check, grouped by rule with a count and a severity icon per
// group, and under them the whole text of the current finding. A double-click on a finding asks
// to open its object's page at its line.
class FindingsPage : public QWidget {
  Q_OBJECT
 public:
  explicit FindingsPage(QWidget* parent = nullptr);

  void SetFindings(std::vector<Finding> findings);
  const std::vector<Finding>& Findings() const { return model_->Findings(); }

  FindingsModel* Model() const { return model_; }
  QTreeView* View() const { return view_; }
  QPushButton* ExportButton() const { return export_; }
  QLabel* Totals() const { return totals_; }
  // The object, place and whole message of the current finding.
  QLabel* Detail() const { return detail_; }

 signals:
  void openRequested(const vdbq::Finding& finding);
  void exportRequested();

 private:
  void ShowDetail(const QModelIndex& current);

  FindingsModel* model_;
  QLabel* totals_;
  QTreeView* view_;
  QPushButton* export_;
  QLabel* detail_;
};

}  // namespace vdbq::gui
