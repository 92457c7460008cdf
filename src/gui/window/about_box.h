#pragma once

#include <QDialog>

class QLabel;

namespace vdbq::gui {

// The About box: the version, the operating system and the memory figures.
class AboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);

  // Reads the figures anew; called each time the box opens.
  void Refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* os_;
  QLabel* load_;
  QLabel* physical_;
  QLabel* free_;
};

}  // namespace vdbq::gui
