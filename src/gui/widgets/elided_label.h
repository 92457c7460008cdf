#pragma once

#include <QLabel>

namespace vdbq::gui {

// A one-line label whose text never claims width: it shows as much as fits, ends in an
// ellipsis when cut and then carries the whole text as its tooltip. text() stays the whole
// text. Titles and object names can be any length, and a label that asked for their width
// would widen the window or squeeze the tree.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ElidedLabel(QWidget* parent = nullptr);

  QSize minimumSizeHint() const override;
  bool Elided() const;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace vdbq::gui
