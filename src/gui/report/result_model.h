#pragma once

#include <QAbstractTableModel>

#include "core/reports/result_list.h"

namespace vdbq::gui {

// The one table model of every report: the nine columns of the result list with the colours,
// weights and grounds of the row and cell rules.
class ResultModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit ResultModel(const ResultList& results, QObject* parent = nullptr);

  // While a report runs it rewrites the rows; the model shows none until the run is over.
  void BeginRun();
  void EndRun();
  bool Running() const { return running_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

 private:
  const ResultList& results_;
  bool running_ = false;
};

}  // namespace vdbq::gui
