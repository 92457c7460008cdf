#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QSpacerItem>
#include <array>

#include "core/reports/report_panel.h"
#include "gui/widgets/busy_indicator.h"
#include "gui/widgets/click_label.h"
#include "gui/widgets/hover_button.h"
#include "gui/widgets/picture_panel.h"

class QCheckBox;

namespace vdbq::gui {

// The report panel PanelCmd: the category with its Next and Previous buttons, the category's
// total, the six option rows, the option description, the search box with Go, Paste and
// Clear, and the busy indicator. It shows the core's ReportPanel and passes clicks to it.
class ReportPanelWidget : public PicturePanel {
  Q_OBJECT
 public:
  explicit ReportPanelWidget(ReportPanel& panel, QWidget* parent = nullptr);

  // Shows the model's state: category, totals, options, ticks, description, search text.
  void Sync();
  // The search box's text into the model, before a report reads it.
  void PullSearchText();

  QLineEdit* SearchBox() const { return search_; }
  BusyIndicator* Strobe() const { return strobe_; }
  QCheckBox* OptionBox(int n) const { return boxes_[static_cast<size_t>(n - 1)]; }
  ClickLabel* OptionLabel(int n) const { return texts_[static_cast<size_t>(n - 1)]; }
  HoverButton* GoButton() const { return go_; }
  HoverButton* NextButton() const { return next_; }
  HoverButton* PreviousButton() const { return previous_; }
  QLabel* Total() const { return total_; }
  QLabel* Description() const { return description_; }
  QLabel* Caption() const { return caption_; }

  // Next and Previous as the buttons do them.
  void StepCategory(bool forward);
  // Ticks option n as a click on its box or label does.
  void Tick(int n);
  void Paste();
  void Clear();

 signals:
  void runRequested();
  void categoryStepped();
  void goHovered();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The height of option row n in a category at the panel's width.
  int OptionRowHeight(int category, int n) const;
  void FitOptionRows();

  ReportPanel& panel_;
  HoverButton* previous_;
  HoverButton* next_;
  QLabel* caption_;
  QLabel* total_;
  QLabel* totalName_;
  QWidget* options_;
  std::array<QCheckBox*, kMaxReportOptions> boxes_{};
  std::array<ClickLabel*, kMaxReportOptions> numbers_{};
  std::array<ClickLabel*, kMaxReportOptions> texts_{};
  QSpacerItem* optionsSlack_;
  QLabel* description_;
  QWidget* searchPanel_;
  QLineEdit* search_;
  HoverButton* go_;
  BusyIndicator* strobe_;
};

}  // namespace vdbq::gui
