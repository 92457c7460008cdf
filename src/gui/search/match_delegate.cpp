#include "gui/search/match_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

#include "gui/search/search_hits_model.h"

namespace vdbq::gui {
namespace {

constexpr int kMargin = 4;

}  // namespace

void MatchDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  const QString text = item.text;
  item.text.clear();
  const QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  const QPoint match = index.data(SearchHitsModel::kMatchRole).toPoint();
  QTextLayout layout(text, item.font);
  QTextCharFormat marked;
  marked.setBackground(QColor(255, 222, 110));
  marked.setForeground(Qt::black);
  marked.setFontWeight(QFont::Bold);
  layout.setFormats({{match.x(), match.y() - match.x(), marked}});
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  if (!line.isValid()) return;

  const QRect area = item.rect.adjusted(kMargin, 0, -kMargin, 0);
  const qreal matchEnd = line.cursorToX(match.y());
  const qreal shift = std::max<qreal>(0, matchEnd - area.width() + 4 * kMargin);
  painter->save();
  painter->setClipRect(area);
  painter->setPen(item.palette.color(item.state & QStyle::State_Selected ? QPalette::HighlightedText
                                                                         : QPalette::Text));
  layout.draw(painter,
              QPointF(area.left() - shift, area.top() + (area.height() - line.height()) / 2));
  painter->restore();
}

}  // namespace vdbq::gui
