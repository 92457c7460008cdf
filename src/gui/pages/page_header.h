#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QWidget>

#include "gui/category_navigation.h"

namespace vdbq::gui {

// The strip at the top of an object page: the category's icon, a title, a line below it, and
// room on the right for a picture or a button.
class PageHeader : public QWidget {
  Q_OBJECT
 public:
  explicit PageHeader(PageCategory category, QWidget* parent = nullptr);

  QLabel* Title() const { return title_; }
  QLabel* Subtitle() const { return subtitle_; }
  void AddRight(QWidget* widget);
  // A flat text button on the right, as the pages' commands are.
  QToolButton* AddTextButton(const QString& text, const QString& toolTip,
                             const QString& objectName);
  // The button every object page has that shows what depends on its object.
  QToolButton* AddImpactButton();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QLabel* title_;
  QLabel* subtitle_;
  QHBoxLayout* layout_;
};

// Lays out a page as its header over one body that takes the rest of the height: a list or
// text right under the header, a form of fields with the style's spacing above it.
void StackUnderHeader(QWidget* page, PageHeader* header, QWidget* body);
void StackUnderHeader(QWidget* page, PageHeader* header, QLayout* body);

// A field caption of a form page.
QLabel* FieldCaption(const QString& text, QWidget* parent);
// A field value of a form page: one line, cut with an ellipsis where it does not fit.
QLabel* FieldValue(QWidget* parent, const QString& objectName);
// A word-wrapped label takes the width its layout gives it instead of its longest word's, so
// a long value cannot widen the window; a word longer than the line is cut.
void LeaveWidthFree(QLabel* label);

}  // namespace vdbq::gui
