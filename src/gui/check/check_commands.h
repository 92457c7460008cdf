#pragma once

#include <QAction>
#include <QObject>

#include "core/check/finding.h"

namespace vdbq::gui {

class ClickLabel;
class DesktopHost;
class FindingsPage;
class SchedulePageWidget;

// The database check: "Check Database" in the Standard Reports menu and on the tree's
// headings, the Findings page, the totals in the status bar after every load, opening a
// finding's object at its line, and the CSV export of the findings.
class CheckCommands : public QObject {
  Q_OBJECT
 public:
  // The schedule page is where a schedule's finding marks its line.
  CheckCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QObject* parent);

  QAction* CheckDatabase;

  // Checks the loaded database and shows the totals; with no database, clears both.
  void Run();
  void ShowPage();
  void Open(const vdbq::Finding& finding);
  void ExportCsv();

  FindingsPage* Page() const { return page_; }
  ClickLabel* Totals() const { return totals_; }

 private:
  DesktopHost& host_;
  SchedulePageWidget& schedulePage_;
  FindingsPage* page_;
  ClickLabel* totals_;
};

}  // namespace vdbq::gui
