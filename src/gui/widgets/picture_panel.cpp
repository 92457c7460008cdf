#include "gui/widgets/picture_panel.h"

#include <QPainter>

namespace vdbq::gui {

PicturePanel::PicturePanel(const QPixmap& picture, QWidget* parent)
    : QWidget(parent), picture_(picture) {}

void PicturePanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawPixmap(rect(), picture_);
}

}  // namespace vdbq::gui
