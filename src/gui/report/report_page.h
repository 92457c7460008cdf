#pragma once

#include <QLabel>
#include <QTableView>
#include <QWidget>

#include "core/reports/result_list.h"
#include "gui/report/result_model.h"

namespace vdbq::gui {

// The report page TabReport: the two report titles, the result list LvRep and the hint line.
class ReportPage : public QWidget {
  Q_OBJECT
 public:
  ReportPage(const ResultList& results, ResultModel& model, QWidget* parent = nullptr);

  // Titles and column widths after a run.
  void ShowResults();
  void SetHint(const QString& hint);
  // A new report is shown from its first row and first column.
  void ScrollToStart();

  QTableView* List() const { return list_; }
  QString Hint() const { return hint_->text(); }

 signals:
  void rowClicked(int row);

 private:
  const ResultList& results_;
  QLabel* title1_;
  QLabel* title2_;
  QTableView* list_;
  QLabel* hint_;
};

}  // namespace vdbq::gui
