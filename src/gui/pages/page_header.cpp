#include "gui/pages/page_header.h"

#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "gui/resources/pictures.h"
#include "gui/widgets/elided_label.h"

namespace vdbq::gui {

PageHeader::PageHeader(PageCategory category, QWidget* parent) : QWidget(parent) {
  auto* icon = new QLabel(this);
  icon->setPixmap(CategoryFace(category, true));
  title_ = new ElidedLabel(this);
  QFont titleFont = title_->font();
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.35);
  titleFont.setBold(true);
  title_->setFont(titleFont);
  title_->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  title_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  subtitle_ = new ElidedLabel(this);
  subtitle_->setStyleSheet(QStringLiteral("color: rgb(60, 60, 70);"));
  subtitle_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(0);
  texts->addWidget(title_);
  texts->addWidget(subtitle_);
  layout_ = new QHBoxLayout(this);
  layout_->setContentsMargins(8, 6, 8, 6);
  layout_->setSpacing(10);
  layout_->addWidget(icon);
  layout_->addLayout(texts, 1);
}

void PageHeader::AddRight(QWidget* widget) { layout_->addWidget(widget, 0, Qt::AlignVCenter); }

QToolButton* PageHeader::AddTextButton(const QString& text, const QString& toolTip,
                                       const QString& objectName) {
  auto* button = new QToolButton(this);
  button->setObjectName(objectName);
  button->setText(text);
  button->setToolTip(toolTip);
  button->setAutoRaise(true);
  AddRight(button);
  return button;
}

QToolButton* PageHeader::AddImpactButton() {
  return AddTextButton(QStringLiteral("Impact"), QStringLiteral("Show Impact: What Depends On It"),
                       QStringLiteral("showImpact"));
}

void PageHeader::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, width(), 0);
  g.setColorAt(0, QColor(235, 238, 244));
  g.setColorAt(1, QColor(205, 212, 224));
  p.fillRect(rect(), g);
  p.setPen(QColor(160, 168, 184));
  p.drawLine(0, height() - 1, width(), height() - 1);
}

namespace {

QVBoxLayout* PageLayout(QWidget* page, PageHeader* header) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(header);
  return layout;
}

}  // namespace

void StackUnderHeader(QWidget* page, PageHeader* header, QWidget* body) {
  QVBoxLayout* layout = PageLayout(page, header);
  layout->setSpacing(0);
  layout->addWidget(body, 1);
}

void StackUnderHeader(QWidget* page, PageHeader* header, QLayout* body) {
  PageLayout(page, header)->addLayout(body, 1);
}

QLabel* FieldCaption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setStyleSheet(QStringLiteral("color: rgb(60, 60, 70);"));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QLabel* FieldValue(QWidget* parent, const QString& objectName) {
  auto* label = new ElidedLabel(parent);
  label->setObjectName(objectName);
  QFont f = label->font();
  f.setBold(true);
  label->setFont(f);
  label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 128);"));
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void LeaveWidthFree(QLabel* label) {
  QSizePolicy policy = label->sizePolicy();
  policy.setHorizontalPolicy(QSizePolicy::Ignored);
  label->setSizePolicy(policy);
}

}  // namespace vdbq::gui
