#include "gui/widgets/click_label.h"

#include <QMouseEvent>
#include <QPainter>

namespace vdbq::gui {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::SetShadow(bool on) {
  shadow_ = on;
  update();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  if (!shadow_) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter p(this);
  const QRect r = contentsRect();
  p.setFont(font());
  p.setPen(QColor(0, 0, 0, 110));
  p.drawText(r.translated(1, 1), static_cast<int>(alignment()), text());
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(r, static_cast<int>(alignment()), text());
}

}  // namespace vdbq::gui
