#pragma once

#include <QPixmap>
#include <QWidget>

namespace vdbq::gui {

// A panel whose ground is a picture, stretched over the panel.
class PicturePanel : public QWidget {
  Q_OBJECT
 public:
  explicit PicturePanel(const QPixmap& picture, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace vdbq::gui
