#include "gui/widgets/hover_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vdbq::gui {

HoverButton::HoverButton(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void HoverButton::SetPictures(const QPixmap& normal, const QPixmap& highlighted) {
  normal_ = normal;
  highlighted_ = highlighted;
  setFixedSize(normal_.deviceIndependentSize().toSize());
  update();
}

void HoverButton::SetLit(bool lit) {
  if (lit_ == lit) return;
  lit_ = lit;
  update();
}

QSize HoverButton::sizeHint() const { return normal_.deviceIndependentSize().toSize(); }

void HoverButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QPixmap& picture = ShowsHighlighted() ? highlighted_ : normal_;
  // A pressed button sinks by one pixel.
  p.drawPixmap(pressed_ ? QPoint(1, 1) : QPoint(0, 0), picture);
  if (hasFocus()) {
    p.setPen(QPen(QColor(0, 0, 128), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void HoverButton::SetKeyboardUse(bool on) { setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus); }

void HoverButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (!event->isAutoRepeat() &&
      (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    emit clicked();
    return;
  }
  QWidget::keyPressEvent(event);
}

void HoverButton::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void HoverButton::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void HoverButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  emit entered();
  QWidget::enterEvent(event);
}

void HoverButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  pressed_ = false;
  update();
  emit left();
  QWidget::leaveEvent(event);
}

void HoverButton::hideEvent(QHideEvent* event) {
  // A button hidden under the mouse (its dialog closed by a click on it) hears no leave; it
  // is shown again in its first picture.
  hovered_ = false;
  pressed_ = false;
  QWidget::hideEvent(event);
}

void HoverButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    update();
  }
}

void HoverButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace vdbq::gui
