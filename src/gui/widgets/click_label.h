#pragma once

#include <QLabel>

namespace vdbq::gui {

// A label that reports clicks, optionally drawn with a drop shadow.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

  void SetShadow(bool on);

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool shadow_ = false;
};

}  // namespace vdbq::gui
