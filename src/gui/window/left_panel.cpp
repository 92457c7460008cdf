#include "gui/window/left_panel.h"

#include "gui/layout_rules.h"
#include "gui/resources/pictures.h"

namespace vdbq::gui {

LeftPanel::LeftPanel(QWidget* parent)
    : PicturePanel(BackgroundPicture(Background::LeftPanel), parent) {
  setObjectName(QStringLiteral("PanelLeftImage"));
  setMinimumWidth(kSplitterMinimum);
  setMaximumWidth(kLeftPanelMaxWidth);
}

void LeftPanel::SetTree(QWidget* tree) {
  tree_ = tree;
  tree_->setParent(this);
}

void LeftPanel::resizeEvent(QResizeEvent* event) {
  PicturePanel::resizeEvent(event);
  if (tree_ == nullptr) return;
  const int treeWidth = InnerWidth(width());
  const int left = (width() - treeWidth) / 2;
  tree_->setGeometry(left, 12, treeWidth, TreeHeight(height()));
}

}  // namespace vdbq::gui
