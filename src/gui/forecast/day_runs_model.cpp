#include "gui/forecast/day_runs_model.h"

#include "gui/text_convert.h"

namespace vdbq::gui {

DayRunsModel::DayRunsModel(QObject* parent) : QAbstractTableModel(parent) {}

void DayRunsModel::SetRuns(std::vector<DayRun> runs) {
  beginResetModel();
  runs_ = std::move(runs);
  endResetModel();
}

int DayRunsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(runs_.size());
}

int DayRunsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant DayRunsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount() || role != Qt::DisplayRole) return {};
  const DayRun& run = runs_[static_cast<size_t>(index.row())];
  return ToQString(index.column() == 0 ? run.Key : run.At);
}

QVariant DayRunsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  return section == 0 ? QStringLiteral("Schedule") : QStringLiteral("At");
}

}  // namespace vdbq::gui
