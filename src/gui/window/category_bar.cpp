#include "gui/window/category_bar.h"

#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>

#include "gui/resources/pictures.h"

namespace vdbq::gui {
namespace {

struct ButtonText {
  const char* Name;
  const char* Hint;
};

constexpr ButtonText kButtons[kButtonCategories] = {
    {"HotCpu", "Workstation"}, {"HotSch", "Schedule"},  {"HotJob", "Job"},
    {"HotCal", "Calendar"},    {"HotPar", "Parameter"}, {"HotPro", "Prompt"},
    {"HotRes", "Resource"},    {"HotRep", "Report"},
};

}  // namespace

CategoryBar::CategoryBar(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ButPanel"));
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(4);
  for (int i = 0; i < kButtonCategories; ++i) {
    const PageCategory category = CategoryOfButton(i);
    auto* button = new HoverButton(this);
    button->setObjectName(QString::fromLatin1(kButtons[i].Name));
    button->setToolTip(QString::fromLatin1(kButtons[i].Hint));
    // The highlighted face is the category's page icon; the normal one is kept to go back to.
    button->SetPictures(CategoryFace(category, false), CategoryFace(category, true));
    connect(button, &HoverButton::clicked, this, [this, category] { emit clicked(category); });
    connect(button, &HoverButton::entered, this, [this, category] { emit entered(category); });
    connect(button, &HoverButton::left, this, [this, category] { emit left(category); });
    buttons_[static_cast<size_t>(i)] = button;
    layout->addWidget(button);
  }
  layout->addStretch(1);
}

HoverButton* CategoryBar::Button(PageCategory category) const {
  const auto index = ButtonIndex(category);
  return index ? buttons_[static_cast<size_t>(*index)] : nullptr;
}

void CategoryBar::SetLit(PageCategory category, bool lit) {
  if (HoverButton* button = Button(category)) button->SetLit(lit);
}

void CategoryBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(225, 228, 234));
  g.setColorAt(1, QColor(196, 201, 211));
  p.fillRect(rect(), g);
  p.setPen(QColor(160, 166, 178));
  p.drawLine(0, height() - 1, width(), height() - 1);
}

}  // namespace vdbq::gui
