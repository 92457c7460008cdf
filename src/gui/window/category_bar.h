#pragma once

#include <QWidget>
#include <array>

#include "gui/category_navigation.h"
#include "gui/widgets/hover_button.h"

namespace vdbq::gui {

// ButPanel: the eight category buttons above the pages.
class CategoryBar : public QWidget {
  Q_OBJECT
 public:
  explicit CategoryBar(QWidget* parent = nullptr);

  HoverButton* Button(PageCategory category) const;
  void SetLit(PageCategory category, bool lit);

 signals:
  void clicked(vdbq::gui::PageCategory category);
  void entered(vdbq::gui::PageCategory category);
  void left(vdbq::gui::PageCategory category);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::array<HoverButton*, kButtonCategories> buttons_{};
};

}  // namespace vdbq::gui
