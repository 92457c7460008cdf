#include "gui/report/result_delegate.h"

#include <QPainter>

namespace vdbq::gui {

void ResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
  painter->save();
  const QVariant ground = index.data(Qt::BackgroundRole);
  if (ground.canConvert<QBrush>()) painter->fillRect(option.rect, ground.value<QBrush>());
  if (option.state & QStyle::State_Selected) {
    QColor highlight = option.palette.color(QPalette::Highlight);
    highlight.setAlpha(80);
    painter->fillRect(option.rect, highlight);
  }
  const QVariant font = index.data(Qt::FontRole);
  if (font.canConvert<QFont>()) {
    QFont f = option.font;
    f.setBold(font.value<QFont>().bold());
    painter->setFont(f);
  } else {
    painter->setFont(option.font);
  }
  const QVariant text = index.data(Qt::ForegroundRole);
  painter->setPen(text.canConvert<QBrush>() ? text.value<QBrush>().color()
                                            : option.palette.color(QPalette::Text));
  const QRect textRect = option.rect.adjusted(3, 0, -2, 0);
  const QString shown = painter->fontMetrics().elidedText(index.data(Qt::DisplayRole).toString(),
                                                          Qt::ElideRight, textRect.width());
  painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, shown);
  painter->restore();
}

}  // namespace vdbq::gui
