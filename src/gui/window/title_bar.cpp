#include "gui/window/title_bar.h"

#include <QVBoxLayout>

#include "gui/layout_rules.h"
#include "gui/resources/pictures.h"

namespace vdbq::gui {

TitleBar::TitleBar(QWidget* parent)
    : PicturePanel(BackgroundPicture(Background::TitleBar), parent) {
  setObjectName(QStringLiteral("PanelTitleBar"));
  setFixedHeight(kTitleBarHeight);
  auto* caption = new QLabel(QStringLiteral("Last Update :"), this);
  caption->setStyleSheet(QStringLiteral("color: rgb(200, 215, 235);"));
  lastUpdate_ = new QLabel(this);
  lastUpdate_->setObjectName(QStringLiteral("LabLastUpdate"));
  QFont bold = lastUpdate_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.1);
  lastUpdate_->setFont(bold);
  lastUpdate_->setStyleSheet(QStringLiteral("color: white;"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 10, 14, 12);
  layout->setSpacing(0);
  layout->addStretch(1);
  layout->addWidget(caption);
  layout->addWidget(lastUpdate_);
  layout->addStretch(1);
  logo_ = new QLabel(this);
  logo_->setObjectName(QStringLiteral("ImageLogo"));
}

void TitleBar::SetLogo(const QPixmap& logo) {
  // A logo taller than the bar is shown scaled down.
  QPixmap shown = logo;
  if (shown.height() > kTitleBarHeight - 4) {
    shown = shown.scaledToHeight(kTitleBarHeight - 4, Qt::SmoothTransformation);
  }
  logo_->setPixmap(shown);
  logo_->resize(shown.size());
  PlaceLogo(window()->width());
}

void TitleBar::SetLastUpdate(const QString& text) { lastUpdate_->setText(text); }

void TitleBar::PlaceLogo(int windowWidth) {
  logo_->move(LogoLeft(windowWidth), (height() - logo_->height()) / 2);
}

}  // namespace vdbq::gui
