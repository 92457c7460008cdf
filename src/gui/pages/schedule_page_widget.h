#pragma once

#include <QLabel>
#include <QToolButton>
#include <QWidget>
#include <string>

#include "core/views/schedule_page.h"
#include "gui/widgets/colour_memo.h"

namespace vdbq::gui {

// The schedule page TabSch: the schedule's definition text in the colouring memo CM1.
class SchedulePageWidget : public QWidget {
  Q_OBJECT
 public:
  explicit SchedulePageWidget(QWidget* parent = nullptr);

  void Show(const ExtractStore& store, const Catalogue& catalogue, const std::string& cpu,
            const std::string& name);
  const SchedulePage& Page() const { return page_; }
  ColourMemo* Memo() const { return memo_; }
  QToolButton* PrintButton() const { return print_; }
  QToolButton* GraphButton() const { return graph_; }
  QToolButton* RunDaysButton() const { return runDays_; }
  // Selects the memo line that shows line `number` of the schedules extract and scrolls it into
  // view; false when the page does not show that line.
  bool MarkLine(LineNumber number);

  // Opens what depends on the object shown.
  QToolButton* ImpactButton() const { return impact_; }

 private:
  QToolButton* impact_;
  SchedulePage page_;
  QLabel* cpu_;
  QLabel* name_;
  QToolButton* print_;
  QToolButton* graph_;
  QToolButton* runDays_;
  ColourMemo* memo_;
};

}  // namespace vdbq::gui
