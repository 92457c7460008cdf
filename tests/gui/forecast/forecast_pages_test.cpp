// The Run Days and What Runs On pages in the window: where they open from, the year of a
// schedule with the reasons of its days, the schedules of a date, what a double-click opens,
// the exports, and a reload under an open page.
#include <QAbstractItemModelTester>

#include "core/output/row_key.h"
#include "gui/forecast/forecast_commands.h"
#include "gui/forecast/run_days_page.h"
#include "gui/forecast/what_runs_on_page.h"
#include "gui/window_fixture.h"

namespace vdbq::gui::testing {
namespace {

const QDate kToday(2027, 1, 4);
const std::string kNightly = "HFDWH01#DW_NIGHTLY";

using Opening = std::function<void(WindowFixture&)>;

MainWindow& StartOnToday(WindowFixture& fixture) {
  MainWindow& window = fixture.Start();
  window.Forecasts()->SetToday(kToday);
  return window;
}

// The entry stands among the feature entries at the end of its menu, after the menu's own
// last separator; features created later may follow it.
void TriggerLast(QMenu* menu, const QString& text) {
  QVERIFY(menu != nullptr && !menu->actions().isEmpty());
  const QList<QAction*> actions = menu->actions();
  for (auto it = actions.rbegin(); it != actions.rend() && !(*it)->isSeparator(); ++it) {
    if ((*it)->text() == text) return (*it)->trigger();
  }
  QFAIL(qPrintable(text + " is not at the end of its menu"));
}

int RunDayCount(const YearCalendar& calendar) {
  int count = 0;
  for (QDate d(calendar.Year(), 1, 1); d.year() == calendar.Year(); d = d.addDays(1)) {
    count += calendar.DayOf(d)->Runs ? 1 : 0;
  }
  return count;
}

QStringList Keys(const DayRunsModel& model) {
  QStringList keys;
  for (const DayRun& run : model.Runs()) keys << QString::fromStdString(run.Key);
  return keys;
}

}  // namespace

class ForecastPagesTest : public QObject {
  Q_OBJECT
 private slots:
  void theEntriesOpenThePages_data() {
    QTest::addColumn<Opening>("open");
    QTest::addColumn<QString>("page");
    QTest::newRow("tree's Schedule menu") << Opening([](WindowFixture& fixture) {
      QVERIFY(fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"}));
      TriggerLast(fixture.Window().Tree()->KindMenu(ObjectKind::Schedule), "Show Run Days");
    }) << "runDaysPage";
    QTest::newRow("schedule page") << Opening([](WindowFixture& fixture) {
      QVERIFY(fixture.Select({"Schedules", "HFDWH01", "DW_NIGHTLY"}));
      Click(fixture.Window().SchedulePage()->RunDaysButton());
    }) << "runDaysPage";
    QTest::newRow("Ctrl+D on an S#1 row") << Opening([](WindowFixture& fixture) {
      MainWindow& window = fixture.Window();
      RunReport(window, 0, 1);
      const ResultList& results = window.State().Results;
      long long row = 0;
      while (row < static_cast<long long>(results.Rows.size()) &&
             RowKey(results, row) != kNightly) {
        ++row;
      }
      QTableView* list = window.ReportView()->List();
      list->setCurrentIndex(list->model()->index(static_cast<int>(row), 0));
      QVERIFY(Activate(window));
      list->setFocus();
      QTest::keyClick(list, Qt::Key_D, Qt::ControlModifier);
    }) << "runDaysPage";
    QTest::newRow("Standard Reports menu") << Opening([](WindowFixture& fixture) {
      TriggerLast(ReportsMenu(fixture.Window()), "What Runs On...");
    }) << "whatRunsOnPage";
  }

  // The Run Days page shows the schedule in today's year; What Runs On shows today.
  void theEntriesOpenThePages() {
    QFETCH(Opening, open);
    QFETCH(QString, page);
    WindowFixture fixture;
    MainWindow& window = StartOnToday(fixture);
    open(fixture);
    QCOMPARE(PageName(window), page);
    ForecastCommands& forecasts = *window.Forecasts();
    if (page == "runDaysPage") {
      QCOMPARE(forecasts.RunDays()->Key(), QString::fromStdString(kNightly));
      QCOMPARE(forecasts.RunDays()->Calendar()->Year(), 2027);
    } else {
      QCOMPARE(forecasts.RunsOn()->Date(), kToday);
      QCOMPARE(forecasts.RunsOn()->Model()->rowCount(), 20);
    }
  }

  // Workdays less HOLIDAYS, as the command line's forecast counts them: 2026 has no holidays
  // in the sample, 2027 six on weekdays.
  void theArrowsChangeTheYear_data() {
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("runDays");
    QTest::newRow("today's year") << 0 << 2027 << 255;
    QTest::newRow("back") << -1 << 2026 << 261;
    QTest::newRow("on twice") << 2 << 2029 << 251;
  }

  void theArrowsChangeTheYear() {
    QFETCH(int, steps);
    QFETCH(int, year);
    QFETCH(int, runDays);
    WindowFixture fixture;
    MainWindow& window = StartOnToday(fixture);
    QVERIFY(window.Forecasts()->ShowRunDays(kNightly));
    RunDaysPage* page = window.Forecasts()->RunDays();
    for (int i = 0; i < std::abs(steps); ++i)
      Click(steps < 0 ? page->PreviousYear() : page->NextYear());
    QCOMPARE(page->Calendar()->Year(), year);
    QCOMPARE(RunDayCount(*page->Calendar()), runDays);
  }

  // What hovering a day says, from the items that hold on it; HOLIDAYS holds New Year's Day and
  // the `holidays` given.
  void aDayNamesTheItemsThatMadeIt_data() {
    QTest::addColumn<QString>("schedule");
    QTest::addColumn<QString>("holidays");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("runs");
    QTest::addColumn<bool>("free");
    QTest::addColumn<QString>("why");
    const QString nightly = "ON WORKDAYS\nEXCEPT HOLIDAYS\n";
    const QString moved = "ON 02/06/27 FDNEXT\nmoved from Sat 6 Feb by FDNEXT";
    QTest::newRow("a workday") << nightly << "" << QDate(2027, 1, 4) << true << false
                               << "ON WORKDAYS";
    QTest::newRow("a holiday") << nightly << "" << QDate(2027, 1, 1) << false << true
                               << "EXCEPT HOLIDAYS";
    QTest::newRow("a Saturday") << nightly << "" << QDate(2027, 1, 2) << false << true << "";
    QTest::newRow("FDNEXT from a Saturday") << "ON 02/06/27 FDNEXT\n"
                                            << "" << QDate(2027, 2, 8) << true << false << moved;
    QTest::newRow("FDNEXT over two weeks of holidays")
        << "ON 02/06/27 FDNEXT\n"
        << "02/08/27 02/09/27 02/10/27 02/11/27 02/12/27 02/15/27 02/16/27 02/17/27 02/18/27 "
           "02/19/27 02/22/27"
        << QDate(2027, 2, 23) << true << false << moved;
    QTest::newRow("FDPREV from a Sunday") << "ON 02/07/27 FDPREV\n"
                                          << "" << QDate(2027, 2, 5) << true << false
                                          << "ON 02/07/27 FDPREV\nmoved from Sun 7 Feb by FDPREV";
    QTest::newRow("a workday stays")
        << "ON 02/10/27 FDNEXT\n"
        << "" << QDate(2027, 2, 10) << true << false << "ON 02/10/27 FDNEXT";
  }

  void aDayNamesTheItemsThatMadeIt() {
    QFETCH(QString, schedule);
    QFETCH(QString, holidays);
    QFETCH(QDate, date);
    QFETCH(bool, runs);
    QFETCH(bool, free);
    QFETCH(QString, why);
    WindowFixture fixture(
        Extracts{{"Schedules.Xtract", ("SCHEDULE CPU1#S\n" + schedule + ":\nEND\n").toStdString()},
                 {"Calendars.Xtract",
                  ("$CALENDAR\nHOLIDAYS\t\"x\"\n  01/01/27 " + holidays + "\n").toStdString()}});
    MainWindow& window = StartOnToday(fixture);
    QVERIFY(window.Forecasts()->ShowRunDays("CPU1#S"));
    const CalendarDay* day = window.Forecasts()->RunDays()->Calendar()->DayOf(date);
    QVERIFY(day != nullptr);
    QCOMPARE(day->Runs, runs);
    QCOMPARE(day->Free, free);
    QCOMPARE(day->Why, why);
  }

  // The command line's schedules of the date; a double-click opens the schedule's page.
  void whatRunsOnADateListsItsSchedules_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("a holiday") << QDate(2027, 1, 1)
                               << QStringList{"HFBKP01#BACKUP_DAILY", "HFMASTER#DAY_TURNOVER",
                                              "HFMASTER#DBQ_EXTRACT", "HFWEB01#WEB_LOGROTATE",
                                              "HFWEB02#WEB_CACHE"};
    QTest::newRow("a Saturday") << QDate(2027, 1, 2)
                                << QStringList{"HFBKP01#BACKUP_DAILY",  "HFBKP01#BACKUP_WEEKLY",
                                               "HFMASTER#DAY_TURNOVER", "HFMASTER#DBQ_EXTRACT",
                                               "HFWEB01#WEB_LOGROTATE", "HFWEB02#WEB_CACHE"};
  }

  void whatRunsOnADateListsItsSchedules() {
    QFETCH(QDate, date);
    QFETCH(QStringList, keys);
    WindowFixture fixture;
    MainWindow& window = StartOnToday(fixture);
    WhatRunsOnPage* page = window.Forecasts()->RunsOn();
    QAbstractItemModelTester tester(page->Model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    window.Forecasts()->WhatRunsOn->trigger();
    page->Picker()->setDate(date);
    QCOMPARE(Keys(*page->Model()), keys);
    QCOMPARE(page->Count()->text(), QStringLiteral("%1 schedules").arg(keys.size()));
    QTableView* view = page->View();
    view->sortByColumn(1, Qt::DescendingOrder);
    const QModelIndex first = view->model()->index(0, 0);
    const QString key = first.data().toString();
    QCOMPARE(key, QStringLiteral("HFMASTER#DBQ_EXTRACT"));  // the latest AT: 1800
    emit view->doubleClicked(first);
    QCOMPARE(window.CurrentPage(), window.SchedulePage());
    QCOMPARE(LabelText(window.CurrentPage(), "LabTabSchName"), QStringLiteral("DBQ_EXTRACT"));
  }

  // The command line's csv and ics texts of what the page shows.
  void thePagesExport_data() {
    QTest::addColumn<bool>("runDays");
    QTest::addColumn<bool>("ics");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QByteArray>("held");
    QTest::addColumn<int>("lines");
    QTest::newRow("year csv") << true << false << "Comma Separated Value files (*.csv)|*.CSV"
                              << QByteArray(
                                     "Date,Weekday,Schedule,At\n"
                                     "2027-01-04,MO,HFDWH01#DW_NIGHTLY,0030\n")
                              << 256;
    QTest::newRow("year ics") << true << true << "iCalendar files (*.ics)|*.ICS"
                              << QByteArray("UID:HFDWH01#DW_NIGHTLY-20270104@varnoltdbq\r\n")
                              << 255;
    QTest::newRow("date csv") << false << false << "Comma Separated Value files (*.csv)|*.CSV"
                              << QByteArray("2027-01-04,MO,HFDWH01#DW_NIGHTLY,0030\n") << 21;
    QTest::newRow("date ics") << false << true << "iCalendar files (*.ics)|*.ICS"
                              << QByteArray("DTSTAMP:20270104T000000Z\r\n") << 20;
  }

  // `lines` counts csv lines, or ics events.
  void thePagesExport() {
    QFETCH(bool, runDays);
    QFETCH(bool, ics);
    QFETCH(QString, filter);
    QFETCH(QByteArray, held);
    QFETCH(int, lines);
    WindowFixture fixture;
    MainWindow& window = StartOnToday(fixture);
    ForecastCommands& forecasts = *window.Forecasts();
    const QString file = QString::fromStdString(fixture.ProgramDir()) + "export";
    fixture.Desktop.SaveNames.push_back(file);
    if (runDays) {
      QVERIFY(forecasts.ShowRunDays(kNightly));
      Click(ics ? forecasts.RunDays()->ExportIcs() : forecasts.RunDays()->ExportCsv());
    } else {
      forecasts.ShowDate(kToday);
      Click(ics ? forecasts.RunsOn()->ExportIcs() : forecasts.RunsOn()->ExportCsv());
    }
    QCOMPARE(fixture.Desktop.SaveFilters.back(), filter);
    const QByteArray bytes = FileBytes(file);
    QVERIFY2(bytes.contains(held), bytes.left(400).constData());
    QCOMPARE(ics ? bytes.count("BEGIN:VEVENT") : bytes.count('\n'), lines);
  }

  // A reload replaces the forecast: what the pages show next comes from the new one, also for
  // the month read before.
  void aReloadReplacesTheForecast() {
    WindowFixture fixture;
    MainWindow& window = StartOnToday(fixture);
    ForecastCommands& forecasts = *window.Forecasts();
    QVERIFY(forecasts.ShowRunDays(kNightly));
    forecasts.ShowDate(kToday);
    QVERIFY(WriteBytes(QString::fromStdString(fixture.DatabaseDir()) + "Schedules.Xtract",
                       "SCHEDULE CPU1#ONLY\nON EVERYDAY\nAT 0900\n:\nEND\n"));
    window.Menu()->Refresh->trigger();
    forecasts.WhatRunsOn->trigger();
    QCOMPARE(Keys(*forecasts.RunsOn()->Model()), QStringList{"CPU1#ONLY"});
    QVERIFY(!forecasts.ShowRunDays(kNightly));
    QCOMPARE(window.StatusText(), QStringLiteral("Schedule not found: HFDWH01#DW_NIGHTLY"));
  }
};

}  // namespace vdbq::gui::testing

QTEST_MAIN(vdbq::gui::testing::ForecastPagesTest)
#include "forecast_pages_test.moc"
