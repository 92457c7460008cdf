#pragma once

#include <QAbstractTableModel>

#include "gui/search/found_lines.h"

namespace vdbq::gui {

// The lines a search found, a row each: the object (with its kind's tree picture), its kind,
// the file, the line number and the line, whose match kMatchRole gives as a QPoint (first
// character, one past the last) of the shown text.
class SearchHitsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kObject, kKind, kFile, kLine, kText, kColumnCount };
  static constexpr int kMatchRole = Qt::UserRole + 1;

  explicit SearchHitsModel(QObject* parent = nullptr);

  void SetLines(FoundLines lines);
  void Clear() { SetLines({}); }
  const FoundLines& Lines() const { return lines_; }
  // The hit a row shows; nullptr for an index out of range.
  const SearchHit* HitAt(const QModelIndex& index) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  FoundLines lines_;
};

}  // namespace vdbq::gui
