#pragma once

#include "gui/widgets/picture_panel.h"

namespace vdbq::gui {

// PanelLeftImage: the tree on the left panel's picture, inset by the layout rules.
class LeftPanel : public PicturePanel {
  Q_OBJECT
 public:
  explicit LeftPanel(QWidget* parent = nullptr);
  void SetTree(QWidget* tree);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QWidget* tree_ = nullptr;
};

}  // namespace vdbq::gui
