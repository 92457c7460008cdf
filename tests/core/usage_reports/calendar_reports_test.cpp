#include <gtest/gtest.h>

#include "core/reports/report_routines.h"
#include "result_table.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::Extracts;
using testing::ReportFixture;
using testing::Rows;
using testing::Table;

// Today is 2026-12-05 in every fixture.
const char* const kCalendars =
    "$CALENDAR\n"
    "HOLIDAYS\t\"Bank holidays\"\n"
    "  01/01/26 12/25/26\n"
    "  12/26/26\n"
    "MONTH\t\"Month starts\"\n"
    "  11/01/26\n"
    "MONTHEND\t\"Month ends\"\n"
    "  12/31/26\n"
    "TODAYCAL\t\"\"\n"
    "  12/05/26\n"
    "NODATES\t\"Never filled in\"\n"
    "\n"
    "PIVOT\t\"Far future\"\n"
    " 01/01/69\n";

const char* const kSchedules =
    "SCHEDULE CPU2#ZETA\n"
    "ON HOLIDAYS, MONTHEND\n"
    ":\n"
    "CPU2#J1\n"
    "END\n"
    "* a comment line between blocks\n"
    "SCHEDULE CPU1#BETA\n"
    "ON WORKDAYS,\n"
    "  MONTH\n"
    "EXCEPT HOLIDAYS\n"
    ":\n"
    "CPU1#J2\n"
    "END\n"
    "SCHEDULE CPU1#ALPHA\n"
    "*ON PIVOT\n"
    "ON MONTHEND WEEKLY\n"
    "EXCEPT HOLIDAYS\n"
    ":\n"
    "ON NODATES\n"
    "END\n";

ReportFixture CalendarFixture(const std::string& schedules = kSchedules) {
  return ReportFixture({{"Calendars.Xtract", kCalendars}, {"Schedules.Xtract", schedules}});
}

TEST(CalendarUseReport, ListsSchedulesNamingTheCalendarInKeyOrderUnderAHeading) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#1", "  HOLIDAYS ");
  EXPECT_EQ(Table(fx.Results), (Rows{{"Workstation", "In Schedule", "As On", "As Except"},
                                     {"CPU1", "ALPHA", "No", "Yes"},
                                     {"CPU1", "BETA", "No", "Yes"},
                                     {"CPU2", "ZETA", "Yes", "No"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedule(s) containing Calendar <HOLIDAYS>... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 31);
  EXPECT_EQ(fx.Results.LabRepTit1, "Calendar Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Schedules Using HOLIDAYS");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 130, 70, 70, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report C#1:HOLIDAYS"});
  EXPECT_NE(fx.AuditFileText().find("Run Report C#1:HOLIDAYS"), std::string::npos);
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.ReportPageShown, 1);
}

TEST(CalendarUseReport, MatchesWholeItemsAfterBlanksAreRemoved) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#1", "MONTHEND");
  // ZETA lists it after a comma and a blank; ALPHA's "MONTHEND WEEKLY" joins into one word.
  EXPECT_EQ(Table(fx.Results), (Rows{{"Workstation", "In Schedule", "As On", "As Except"},
                                     {"CPU2", "ZETA", "Yes", "No"}}));
  fx.Run("C#1", "MONTH");
  EXPECT_EQ(Table(fx.Results), (Rows{{"Workstation", "In Schedule", "As On", "As Except"},
                                     {"CPU1", "BETA", "Yes", "No"}}));
}

TEST(CalendarUseReport, IgnoresCommentsAndClausesOfTheJobList) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#1", "PIVOT");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Schedule(s) containing Calendar <PIVOT>... Ready.");
  fx.Run("C#1", "NODATES");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Results.RunsCompleted, 2);
}

TEST(CalendarUseReport, RejectsANameThatIsNotACalendarBeforeItsAuditLine) {
  ReportFixture fx = CalendarFixture();
  fx.Results.ReportNumber = 13;
  fx.Results.AddRow("previous");
  fx.Run("C#1", "HOLIDAY");
  EXPECT_EQ(fx.Panel.StatusText, "Invalid Calendar Name Entered!");
  EXPECT_TRUE(fx.Panel.FocusSearchRequested);
  EXPECT_EQ(fx.Results.ReportNumber, 13);
  EXPECT_EQ(Table(fx.Results), (Rows{{"previous"}}));
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
  EXPECT_EQ(fx.Results.RunsCompleted, 0);
}

TEST(CalendarUseReport, RejectsASearchTextTheCheckRefuses) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#1", "holidays");
  EXPECT_EQ(fx.Panel.StatusText, "Invalid Character In Schedule Name - Please Check!");
  fx.Run("C#1", "   ");
  EXPECT_EQ(fx.Panel.StatusText, "No Text Entered - Please Check!");
  EXPECT_EQ(fx.Results.ReportNumber, 0);
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

TEST(CalendarUseReport, ReadsAHeaderWithoutColonUpToTheEndAndResumesAtTheNextBlock) {
  // ALPHA has no ":" line, so its header scan reads on into BETA and finds BETA's clause;
  // the walk still goes on at BETA's block. GAMMA lacks both ":" and END at the very end.
  ReportFixture fx = CalendarFixture(
      "SCHEDULE CPU1#ALPHA\nAT 0100\nEND\nSCHEDULE CPU1#BETA\nON MONTH\n:\nEND\n"
      "SCHEDULE CPU1#GAMMA\nON MONTH,");
  fx.Run("C#1", "MONTH");
  EXPECT_EQ(Table(fx.Results), (Rows{{"Workstation", "In Schedule", "As On", "As Except"},
                                     {"CPU1", "ALPHA", "Yes", "No"},
                                     {"CPU1", "BETA", "Yes", "No"},
                                     {"CPU1", "GAMMA", "Yes", "No"}}));
}

TEST(CalendarUseReport, KeepsTheWholeKeyOfAScheduleLine) {
  ReportFixture fx = CalendarFixture("SCHEDULE CPU1#A,B#C\nON MONTH\n:\nEND\n");
  fx.Run("C#1", "MONTH");
  EXPECT_EQ(Table(fx.Results)[1], (std::vector<std::string>{"CPU1", "A,B#C", "Yes", "No"}));
}

TEST(UnusedCalendarsReport, ListsCalendarsNoScheduleNamesInFileOrder) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#2", "any text ");
  EXPECT_EQ(Table(fx.Results), (Rows{{"TODAYCAL"}, {"NODATES"}, {"PIVOT"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Unused Calendars... Ready.");
  EXPECT_EQ(fx.Results.LabRepTit1, "Calendar Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Unused Calendars");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 0, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "any text ");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report C#2:any text "});
}

TEST(UnusedCalendarsReport, BuildsTheUsedListOnceAndAgainAfterARefresh) {
  ReportFixture fx = CalendarFixture();
  EXPECT_FALSE(fx.Catalogue.UsedCalendarList.has_value());
  fx.Run("C#2");
  // Every distinct item the schedules name, blanks removed; the last schedule is read first.
  EXPECT_EQ(fx.Catalogue.UsedCalendarList, "MONTHENDWEEKLY,HOLIDAYS,WORKDAYS,MONTH,MONTHEND,");
  fx.Catalogue.UsedCalendarList = "PIVOT,";
  fx.Run("C#2");
  EXPECT_EQ(fx.Results.Rows.size(), 5u);
  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  EXPECT_FALSE(fx.Catalogue.UsedCalendarList.has_value());
  fx.Run("C#2");
  EXPECT_EQ(fx.Results.Rows.size(), 3u);
}

TEST(CalendarValidityReports, SplitCalendarsByADateAfterToday) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#3");
  EXPECT_EQ(Table(fx.Results), (Rows{{"MONTH", "\"Month starts\""},
                                     {"TODAYCAL", "\"\""},
                                     {"NODATES", "\"Never filled in\""}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Invalid Calendars... Ready.");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Invalid Calendars");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  fx.Run("C#4", "X");
  EXPECT_EQ(Table(fx.Results), (Rows{{"HOLIDAYS", "\"Bank holidays\""},
                                     {"MONTHEND", "\"Month ends\""},
                                     {"PIVOT", "\"Far future\""}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Valid Calendars... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 34);
  EXPECT_EQ(fx.Results.LabRepTit1, "Calendar Report - Option #4");
  EXPECT_EQ(fx.Audit->AuditTexts(),
            (std::vector<std::string>{"Run Report C#3:", "Run Report C#4:X"}));
}

TEST(CalendarValidityReports, TakeTodayFromTheContext) {
  ReportFixture fx = CalendarFixture();
  fx.Today = TimeStamp{2026, 10, 31, 0, 0, 0};
  fx.Run("C#4");
  EXPECT_EQ(fx.Panel.StatusText, "Found 5 Valid Calendars... Ready.");
}

TEST(CalendarValidityReports, StopAtADateThatIsNotANumberKeepingWhatWasDone) {
  ReportFixture fx(Extracts{{"Calendars.Xtract",
                             "$CALENDAR\nOLD\t\"a\"\n  01/01/07\nBAD\t\"b\"\n  01/01/07 1X/01/27\n"
                             "LATER\t\"c\"\n  01/01/07\n"}});
  fx.Results.ReportNumber = 41;
  try {
    fx.Run("C#3", "S");
    FAIL() << "no error";
  } catch (const ReportDataError& error) {
    EXPECT_EQ(std::string(error.what()), "'1X' is not a valid integer value");
  }
  EXPECT_EQ(Table(fx.Results), (Rows{{"OLD", "\"a\""}}));
  EXPECT_EQ(fx.Results.ReportNumber, 33);
  EXPECT_EQ(fx.Panel.StatusText, "Processing... Please Wait...");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report C#3:S"});
  EXPECT_FALSE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.Results.RunsCompleted, 0);
  EXPECT_FALSE(fx.Panel.ReportRunning);
}

TEST(CalendarReports, DoNothingWithoutCalendars) {
  ReportFixture fx(Extracts{{"Schedules.Xtract", kSchedules}});
  for (const char* code : {"C#1", "C#2", "C#3", "C#4"}) {
    fx.Run(code, "HOLIDAYS");
    EXPECT_EQ(fx.Panel.StatusText, "Ready.") << code;
  }
  EXPECT_EQ(fx.Results.ReportNumber, 0);
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
  EXPECT_EQ(fx.Results.RunsCompleted, 0);
}

TEST(CalendarReports, TickForTheLinesTheyScan) {
  ReportFixture fx = CalendarFixture();
  fx.Run("C#3");
  EXPECT_EQ(fx.Progress.Ticks, 8);  // header lines, the empty line and one past the end
  fx.Progress.Ticks = 0;
  fx.Run("C#1", "MONTH");
  EXPECT_EQ(fx.Progress.Ticks, 4 + 2 + 3 + 4);  // the walk, then each header but continuations
}

}  // namespace
}  // namespace vdbq
