#pragma once

#include <QPixmap>
#include <QWidget>

namespace vdbq::gui {

// A picture that acts as a button: it shows its second picture while the mouse is over it or
// while it is lit, and its first picture otherwise.
class HoverButton : public QWidget {
  Q_OBJECT
 public:
  explicit HoverButton(QWidget* parent = nullptr);

  void SetPictures(const QPixmap& normal, const QPixmap& highlighted);
  void SetLit(bool lit);
  bool Lit() const { return lit_; }
  bool ShowsHighlighted() const { return lit_ || hovered_; }
  // Takes the focus by Tab (a mouse click leaves it where it is) and clicks on Space and Enter.
  void SetKeyboardUse(bool on);

  QSize sizeHint() const override;

 signals:
  void clicked();
  void entered();
  void left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap highlighted_;
  bool lit_ = false;
  bool hovered_ = false;
  bool pressed_ = false;
};

}  // namespace vdbq::gui
