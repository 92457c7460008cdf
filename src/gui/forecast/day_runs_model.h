#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

namespace vdbq::gui {

// A schedule put into one day's plan, with the time of its AT clause ("" when it has none).
struct DayRun {
  std::string Key;
  std::string At;
};

// The schedules of one day: a row each, the key and the AT time. Sorting goes through a proxy.
class DayRunsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit DayRunsModel(QObject* parent = nullptr);

  void SetRuns(std::vector<DayRun> runs);
  const std::vector<DayRun>& Runs() const { return runs_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  std::vector<DayRun> runs_;
};

}  // namespace vdbq::gui
