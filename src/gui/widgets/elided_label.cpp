#include "gui/widgets/elided_label.h"

#include <QEvent>
#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

namespace vdbq::gui {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

// Room for the ellipsis only; the preferred size is still the whole text.
QSize ElidedLabel::minimumSizeHint() const {
  const QMargins frame = contentsMargins();
  return {fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) + frame.left() + frame.right() +
              2 * margin(),
          QLabel::minimumSizeHint().height()};
}

bool ElidedLabel::Elided() const {
  return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

bool ElidedLabel::event(QEvent* event) {
  // The whole text as tooltip only while it is cut; an explicit tooltip wins.
  if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
    if (Elided()) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return QLabel::event(event);
}

void ElidedLabel::paintEvent(QPaintEvent* event) {
  if (!Elided()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  drawFrame(&painter);
  const QRect area = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
  style()->drawItemText(&painter, area, QStyle::visualAlignment(layoutDirection(), alignment()),
                        palette(), isEnabled(), shown, foregroundRole());
}

}  // namespace vdbq::gui
