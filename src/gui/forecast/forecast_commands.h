#pragma once

#include <QAction>
#include <QDate>
#include <QObject>
#include <memory>
#include <string>
#include <vector>

namespace vdbq {
class Forecast;
}

class QTableView;

namespace vdbq::gui {

class DesktopHost;
class RunDaysPage;
class SchedulePageWidget;
class WhatRunsOnPage;

// The run days of the schedules on the desktop: "Show Run Days" (the tree's Schedule sub-menu,
// the schedule page, Ctrl+D on a schedule report's row) opens the Run Days page of a schedule;
// "What Runs On..." (the Standard Reports menu) the schedules of a date. Both pages export what
// they show as CSV or iCalendar, in the command line's formats.
class ForecastCommands : public QObject {
  Q_OBJECT
 public:
  ForecastCommands(DesktopHost& host, SchedulePageWidget& schedulePage, QTableView& resultList,
                   QObject* parent);

  QAction* WhatRunsOn;

  // Shows the schedule's year of today; false, with the reason in the status line, when the
  // database does not define the schedule.
  bool ShowRunDays(const std::string& key);
  void ShowYear(int year);
  void ShowDate(QDate date);
  // The date the pages take as today; the clock's date unless fixed (screenshots and tests).
  void SetToday(QDate today) { fixedToday_ = today; }
  QDate Today() const;

  RunDaysPage* RunDays() const { return runDays_; }
  WhatRunsOnPage* RunsOn() const { return runsOn_; }

 private:
  std::shared_ptr<const Forecast> Current() const;
  void AddTreeEntries(SchedulePageWidget& schedulePage);
  void AddResultListEntry(QTableView& resultList);
  // A schedule's page is open only while its schedule is in the database.
  void OpenSchedule(const std::string& key);
  void ExportRunDays(bool ics);
  void ExportDate(bool ics);

  DesktopHost& host_;
  RunDaysPage* runDays_;
  WhatRunsOnPage* runsOn_;
  QDate fixedToday_;
  std::string scheduleKey_;  // of the Run Days page, "" before any
  bool dateShown_ = false;   // the What Runs On page opens on today until it has shown a date
  // The month the What Runs On page shows, null when none: for each day the schedules that run
  // on it, as indexes into the forecast of the current load.
  QDate month_;
  std::vector<std::vector<int>> monthRuns_;
};

}  // namespace vdbq::gui
