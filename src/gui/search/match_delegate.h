#pragma once

#include <QStyledItemDelegate>

namespace vdbq::gui {

// Draws a hit's line with its match marked (SearchHitsModel::kMatchRole), shifted left when
// the match would lie past the cell's right edge, so that it is always in view.
class MatchDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace vdbq::gui
