#include "gui/report/result_model.h"

#include <QBrush>
#include <QColor>
#include <QFont>

#include "core/reports/row_styles.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

QColor ToColor(const Rgb& rgb) { return QColor(rgb.Red, rgb.Green, rgb.Blue); }

}  // namespace

ResultModel::ResultModel(const ResultList& results, QObject* parent)
    : QAbstractTableModel(parent), results_(results) {}

void ResultModel::BeginRun() {
  beginResetModel();
  running_ = true;
  endResetModel();
}

void ResultModel::EndRun() {
  beginResetModel();
  running_ = false;
  endResetModel();
}

int ResultModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || running_) return 0;
  return static_cast<int>(results_.Rows.size());
}

int ResultModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kResultColumns;
}

QVariant ResultModel::data(const QModelIndex& index, int role) const {
  if (running_ || !index.isValid() || index.row() >= static_cast<int>(results_.Rows.size())) {
    return {};
  }
  const long long row = index.row();
  const int column = index.column() + 1;
  switch (role) {
    case Qt::DisplayRole:
      return ToQString(results_.Rows[static_cast<size_t>(row)].Column(column));
    case Qt::BackgroundRole:
      return QBrush(ToColor(GroundColour(CellStyleAt(results_, row, column).Fill)));
    case Qt::ForegroundRole: {
      const CellStyle style = CellStyleAt(results_, row, column);
      if (style.Text == TextColour::Normal) return {};
      return QBrush(ToColor(TextRgb(style.Text)));
    }
    case Qt::FontRole: {
      if (!CellStyleAt(results_, row, column).Bold) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    default:
      return {};
  }
}

}  // namespace vdbq::gui
