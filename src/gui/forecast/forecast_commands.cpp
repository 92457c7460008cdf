#include "gui/forecast/forecast_commands.h"

#include <QTableView>

#include "core/forecast/forecast.h"
#include "core/forecast/run_days_export.h"
#include "core/output/row_key.h"
#include "gui/desktop_host.h"
#include "gui/forecast/run_day_reasons.h"
#include "gui/forecast/run_days_page.h"
#include "gui/forecast/what_runs_on_page.h"
#include "gui/output/save_file.h"
#include "gui/pages/schedule_page_widget.h"
#include "gui/text_convert.h"

namespace vdbq::gui {
namespace {

// S#1 to S#5 list schedules; their rows' keys are the keys the list copies.
constexpr int kLastScheduleReport = 5;

constexpr SaveDialogTexts kCsvDialog{"Comma Separated Value files (*.csv)|*.CSV",
                                     "Export Run Days To CSV File..."};
constexpr SaveDialogTexts kIcsDialog{"iCalendar files (*.ics)|*.ICS",
                                     "Export Run Days To iCalendar File..."};

DayNumber DayNumberOf(QDate date) { return DayOf(date.year(), date.month(), date.day()); }

Window YearWindow(int year) { return {DayOf(year, 1, 1), DayOf(year, 12, 31)}; }

}  // namespace

ForecastCommands::ForecastCommands(DesktopHost& host, SchedulePageWidget& schedulePage,
                                   QTableView& resultList, QObject* parent)
    : QObject(parent), host_(host) {
  runDays_ = new RunDaysPage(host_.Window());
  host_.AddPage(PageCategory::RunDays, runDays_);
  runsOn_ = new WhatRunsOnPage(host_.Window());
  host_.AddPage(PageCategory::WhatRunsOn, runsOn_);

  WhatRunsOn = new QAction(QStringLiteral("What Runs On..."), this);
  WhatRunsOn->setObjectName(QStringLiteral("whatRunsOn"));
  host_.AddMenuEntry(MenuPlace::ReportsEnd, WhatRunsOn);
  // The page opens on today, later on the date it showed last.
  connect(WhatRunsOn, &QAction::triggered, this,
          [this] { ShowDate(dateShown_ ? runsOn_->Date() : Today()); });
  AddTreeEntries(schedulePage);
  AddResultListEntry(resultList);

  connect(runDays_, &RunDaysPage::yearRequested, this, &ForecastCommands::ShowYear);
  connect(runDays_, &RunDaysPage::exportCsvRequested, this, [this] { ExportRunDays(false); });
  connect(runDays_, &RunDaysPage::exportIcsRequested, this, [this] { ExportRunDays(true); });
  connect(runDays_->Calendar(), &YearCalendar::dayActivated, this, &ForecastCommands::ShowDate);
  connect(runsOn_, &WhatRunsOnPage::dateRequested, this, &ForecastCommands::ShowDate);
  connect(runsOn_, &WhatRunsOnPage::openRequested, this, &ForecastCommands::OpenSchedule);
  connect(runsOn_, &WhatRunsOnPage::exportCsvRequested, this, [this] { ExportDate(false); });
  connect(runsOn_, &WhatRunsOnPage::exportIcsRequested, this, [this] { ExportDate(true); });
  // Every load shows the title page, and both pages are drawn anew whenever they are shown; only
  // the month read from the previous load's forecast is to be forgotten.
  host_.AddDatabaseLoadedHandler([this] {
    month_ = QDate();
    monthRuns_.clear();
  });
}

QDate ForecastCommands::Today() const {
  return fixedToday_.isValid() ? fixedToday_ : QDate::currentDate();
}

std::shared_ptr<const Forecast> ForecastCommands::Current() const {
  const Session& s = host_.State();
  return ForecastOf(s.Store, s.Catalogue);
}

bool ForecastCommands::ShowRunDays(const std::string& key) {
  if (key.empty()) return false;
  if (Current()->Find(key) < 0) {
    host_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
    return false;
  }
  scheduleKey_ = key;
  ShowYear(Today().year());
  host_.ShowPage(PageCategory::RunDays);
  return true;
}

void ForecastCommands::ShowYear(int year) {
  const std::shared_ptr<const Forecast> forecast = Current();
  const int schedule = forecast->Find(scheduleKey_);
  if (schedule < 0) return;
  runDays_->Show(ToQString(scheduleKey_), year, YearOfRunDays(*forecast, schedule, year), Today(),
                 RunDaysSummary(*forecast, schedule));
}

void ForecastCommands::ShowDate(QDate date) {
  if (!date.isValid()) return;
  const std::shared_ptr<const Forecast> forecast = Current();
  const QDate month(date.year(), date.month(), 1);
  // A month's runs are read once; choosing its days only picks from them.
  if (month != month_) {
    month_ = month;
    monthRuns_ = forecast->DaysOfWindow(
        {DayNumberOf(month), DayNumberOf(month.addDays(month.daysInMonth() - 1))});
  }
  std::vector<DayRun> runs;
  std::vector<int> counts;
  for (const std::vector<int>& day : monthRuns_) counts.push_back(static_cast<int>(day.size()));
  for (int index : monthRuns_[static_cast<size_t>(date.day() - 1)]) {
    const ScheduleRunDefinition& s = forecast->Schedules()[static_cast<size_t>(index)];
    runs.push_back({std::string(s.Key), std::string(s.At)});
  }
  runsOn_->Show(date, std::move(runs), std::move(counts));
  dateShown_ = true;
  host_.ShowPage(PageCategory::WhatRunsOn);
}

void ForecastCommands::OpenSchedule(const std::string& key) {
  if (!host_.OpenObject(ObjectKind::Schedule, key)) {
    host_.SetStatus(QStringLiteral("Schedule not found: ") + ToQString(key));
  }
}

void ForecastCommands::ExportRunDays(bool ics) {
  SaveTextAs(host_, ics ? kIcsDialog : kCsvDialog, [this, ics] {
    const std::shared_ptr<const Forecast> forecast = Current();
    const int schedule = forecast->Find(scheduleKey_);
    std::vector<ScheduleRun> runs;
    if (schedule >= 0) {
      forecast->RunDays(schedule, YearWindow(runDays_->Calendar()->Year()))
          .ForEach([&](DayNumber day) {
            runs.push_back({day, schedule});
          });
    }
    return ics ? RunsIcs(*forecast, runs, DayNumberOf(Today())) : RunsCsv(*forecast, runs);
  });
}

void ForecastCommands::ExportDate(bool ics) {
  SaveTextAs(host_, ics ? kIcsDialog : kCsvDialog, [this, ics] {
    const std::shared_ptr<const Forecast> forecast = Current();
    const DayNumber day = DayNumberOf(runsOn_->Date());
    const std::vector<std::vector<int>> days = forecast->DaysOfWindow({day, day});
    std::vector<ScheduleRun> runs;
    for (int schedule : days.front()) runs.push_back({day, schedule});
    return ics ? RunsIcs(*forecast, runs, DayNumberOf(Today())) : RunsCsv(*forecast, runs);
  });
}

void ForecastCommands::AddTreeEntries(SchedulePageWidget& schedulePage) {
  auto selected = [this] {
    const Session& s = host_.State();
    return s.SelectedCpu.empty() ? std::string() : s.SelectedCpu + "#" + s.SelectedName;
  };
  auto* entry = new QAction(QStringLiteral("Show Run Days"), this);
  entry->setObjectName(QStringLiteral("showRunDays"));
  host_.AddMenuEntry(MenuPlace::TreeScheduleNode, entry);
  connect(entry, &QAction::triggered, this, [this, selected] { ShowRunDays(selected()); });
  connect(schedulePage.RunDaysButton(), &QToolButton::clicked, this,
          [this, selected] { ShowRunDays(selected()); });
}

void ForecastCommands::AddResultListEntry(QTableView& resultList) {
  // As the graph's keys: the result list's own pop-up menu stays as it is.
  auto* action = new QAction(QStringLiteral("Show Run Days"), &resultList);
  action->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  action->setShortcutContext(Qt::WidgetShortcut);
  connect(action, &QAction::triggered, this, [this, list = &resultList] {
    const ResultList& results = host_.State().Results;
    if (results.ReportNumber < 1 || results.ReportNumber > kLastScheduleReport) return;
    if (const std::optional<std::string> key = RowKey(results, list->currentIndex().row())) {
      ShowRunDays(*key);
    }
  });
  resultList.addAction(action);
}

}  // namespace vdbq::gui
