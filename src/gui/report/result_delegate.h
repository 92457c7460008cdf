#pragma once

#include <QStyledItemDelegate>

namespace vdbq::gui {

// Draws a result cell on its rule ground in its rule colour and weight; a selected row keeps
// its colours under a translucent highlight.
class ResultDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace vdbq::gui
