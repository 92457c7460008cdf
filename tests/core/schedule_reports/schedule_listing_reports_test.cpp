#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "core/schedule_reports/schedule_test_text.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::AllCells;
using testing::ExtractText;
using testing::ReportFixture;
using Rows = std::vector<std::vector<std::string>>;

ReportFixture Schedules(const std::string& text) {
  return ReportFixture({{"Schedules.Xtract", text}});
}

const std::string kThreeSchedules = ExtractText({
    "SCHEDULE CPU2#A",
    ":",
    " J1",
    "END",
    "SCHEDULE CPU1#C",
    ":",
    "END",
    "SCHEDULE CPU1#b",
    ":",
    "END",
});

TEST(ScheduleListingFrame, S1ListsKeysByWorkstationWithItsFrame) {
  ReportFixture fx = Schedules(kThreeSchedules);
  fx.Run("S#1", "IGNORED");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "b"}, {"CPU1", "C"}, {"CPU2", "A"}}));
  EXPECT_EQ(fx.Results.ReportNumber, 1);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Workstation/Schedule");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "");
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedule(s)... Ready.");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report S#1:"});
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.ReportPageShown, 1);
  EXPECT_GT(fx.Progress.Ticks, 0);
}

TEST(ScheduleListingFrame, S2ListsByNameWithItsFrame) {
  ReportFixture fx = Schedules(kThreeSchedules);
  fx.Run("S#2", "IGNORED");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"A", "", "CPU2"}, {"b", "", "CPU1"}, {"C", "", "CPU1"}}));
  EXPECT_EQ(fx.Results.ReportNumber, 2);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Schedule/Workstation");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{200, 0, 100, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "");
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedule(s)... Ready.");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report S#2:"});
}

TEST(ScheduleListingFrame, EmptyScheduleFileFindsNothing) {
  ReportFixture fx = Schedules("");
  fx.Run("S#1");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Schedule(s)... Ready.");
  fx.Run("S#2");
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Schedule(s)... Ready.");
}

TEST(ScheduleHeaderLines, OnlyExactUpperCaseHeadersWithAHashCount) {
  ReportFixture fx = Schedules(ExtractText({
      "schedule CPU1#LOWER",
      ":",
      "END",  //
      " SCHEDULE CPU1#INDENTED",
      ":",
      "END",  //
      "SCHEDULE\tCPU1#TAB",
      ":",
      "END",  //
      "SCHEDULE NOHASH",
      ":",
      "END",  //
      "SCHEDULE CPU1#GOOD",
      ":",
      "END",
  }));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "GOOD"}}));
}

TEST(ScheduleHeaderLines, KeyRunsToTheEndOfTheLineAndSplitsAtTheFirstHash) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#PAYROLL  TIMEZONE X",
      ":",
      "END",  //
      "SCHEDULE A#B#C",
      ":",
      "END",
  }));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"A", "B#C"}, {"CPU1", "PAYROLL  TIMEZONE X"}}));
  fx.Run("S#2");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"B", "", "C#A"}, {"PAYROLL  TIMEZONE X", "", "CPU1"}}));
}

TEST(ScheduleHeaderLines, TheFirstLineOfTheFileIsExamined) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#FIRST", ":", "END"}));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "FIRST"}}));
  fx.Run("S#3", "FIRST");
  EXPECT_EQ(fx.Results.Rows.size(), 1u);
}

TEST(ScheduleHeaderLines, OnlyTheFirstHeaderOfABlockIsSeen) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE NOHASH",
      "SCHEDULE CPU1#HIDDEN",
      ":",
      "END",  //
      "SCHEDULE CPU1#SEEN",
      "SCHEDULE CPU1#ALSOHIDDEN",
      ":",
      "END",
  }));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "SEEN"}}));
}

TEST(ScheduleHeaderLines, ABlockWithoutHeaderDoesNotMakeTheNextOneCountTwice) {
  // A stray END, and a job named ENDOFDAY at column 1, each close a block of their own.
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#ONE", ":", " J1", "END", "END",  //
      "SCHEDULE CPU1#TWO", ":", "ENDOFDAY", "END",    //
      "SCHEDULE CPU1#THREE", ":", "END",              //
  }));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "ONE"}, {"CPU1", "THREE"}, {"CPU1", "TWO"}}));
  fx.Run("S#2");
  for (const ResultRow& row : fx.Results.Rows) EXPECT_EQ(row.Column(2), "") << row.Caption;
}

TEST(ScheduleHeaderLines, LinesBeforeTheHeaderOfABlockAreSteppedOver) {
  ReportFixture fx = Schedules(ExtractText({
      "* comment",
      "",
      "SCHEDULE CPU1#A",
      ":",
      "END",  //
      "",
      "* another",
      "SCHEDULE CPU1#B",
      ":",
      "END",
  }));
  fx.Run("S#1");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "A"}, {"CPU1", "B"}}));
}

TEST(DuplicateMarks, RepeatedNamesAfterTheFirstAreMarked) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE C#DAILY", ":", "END",   //
      "SCHEDULE A#DAILY", ":", "END",   //
      "SCHEDULE B#DAILY", ":", "END",   //
      "SCHEDULE A#WEEKLY", ":", "END",  //
  }));
  fx.Run("S#2");
  EXPECT_EQ(
      AllCells(fx.Results),
      (Rows{{"DAILY", "", "A"}, {"DAILY", "1", "B"}, {"DAILY", "1", "C"}, {"WEEKLY", "", "A"}}));
}

TEST(DuplicateMarks, NamesDifferingInCaseSortTogetherUnmarked) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE B#DAILY",
      ":",
      "END",  //
      "SCHEDULE A#daily",
      ":",
      "END",
  }));
  fx.Run("S#2");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"daily", "", "A"}, {"DAILY", "", "B"}}));
}

TEST(DuplicateMarks, S2RowsAreDrawnInTheirColours) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE A#DAILY",
      ":",
      "END",  //
      "SCHEDULE B#DAILY",
      ":",
      "END",
  }));
  fx.Run("S#2");
  const CellStyle first = RowStyle(fx.Results, 0);
  EXPECT_EQ(first.Fill, Ground::LightYellow);
  EXPECT_EQ(first.Text, TextColour::Normal);
  const CellStyle marked = RowStyle(fx.Results, 1);
  EXPECT_EQ(marked.Fill, Ground::Pink);
  EXPECT_EQ(marked.Text, TextColour::Maroon);
  for (int k = 2; k <= 9; ++k) EXPECT_EQ(CellStyleAt(fx.Results, 1, k).Fill, Ground::CellGrey);
}

const std::string kSearchable = ExtractText({
    "SCHEDULE CPU1#PAYROLL",
    ":",
    "END",  //
    "SCHEDULE CPU2#XPAY",
    ":",
    "END",  //
    "SCHEDULE CPU1#DAILY",
    ":",
    "END",  //
    "SCHEDULE CPU1#payday",
    ":",
    "END",  //
    "SCHEDULE A#BATCH",
    ":",
    "END",
});

TEST(ScheduleNameSearch, FindsTheTextAnywhereInTheKeyCaseSensitively) {
  ReportFixture fx = Schedules(kSearchable);
  fx.Run("S#3", "PAY");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "PAYROLL"}, {"CPU2", "XPAY"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 2 Occurrences of <PAY>... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 3);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #3");
  EXPECT_EQ(fx.Results.LabRepTit2, "String Search Result");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "PAY");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report S#3:PAY"});
}

TEST(ScheduleNameSearch, MatchesAcrossTheHash) {
  ReportFixture fx = Schedules(kSearchable);
  fx.Run("S#3", "A#B");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"A", "BATCH"}}));
  fx.Run("S#3", "1#P");
  EXPECT_EQ(AllCells(fx.Results), (Rows{{"CPU1", "PAYROLL"}}));
}

TEST(ScheduleNameSearch, TrimsTheSearchTextFirst) {
  ReportFixture fx = Schedules(kSearchable);
  fx.Run("S#3", "  DAILY  ");
  EXPECT_EQ(fx.Panel.SearchText, "DAILY");
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 Occurrences of <DAILY>... Ready.");
  EXPECT_EQ(fx.Audit->AuditTexts().back(), "Run Report S#3:DAILY");
}

TEST(ScheduleNameSearch, NoMatchReportsZeroOccurrences) {
  ReportFixture fx = Schedules(kSearchable);
  fx.Run("S#3", "NOTHERE");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Results.ReportNumber, 3);
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Occurrences of <NOTHERE>... Ready.");
}

TEST(ScheduleNameSearch, RejectedTextChangesNothingButTheStatus) {
  ReportFixture fx = Schedules(kSearchable);
  fx.Run("S#1");
  const ResultList before = fx.Results;
  const auto auditBefore = fx.Audit->AuditTexts();
  const std::pair<const char*, const char*> cases[] = {
      {"   ", "No Text Entered - Please Check!"},
      {"pay", "Invalid Character In Schedule Name - Please Check!"},
      {"PAY.X", "Invalid Character In Schedule Name - Please Check!"},
  };
  for (const auto& [search, status] : cases) {
    fx.Run("S#3", search);
    EXPECT_EQ(fx.Panel.StatusText, status) << search;
    EXPECT_EQ(AllCells(fx.Results), AllCells(before)) << search;
    EXPECT_EQ(fx.Results.ReportNumber, 1);
    EXPECT_EQ(fx.Results.LabRepTit1, before.LabRepTit1);
    EXPECT_EQ(fx.Results.Widths, before.Widths);
    EXPECT_EQ(fx.Results.RunsCompleted, before.RunsCompleted);
    EXPECT_EQ(fx.Audit->AuditTexts(), auditBefore);
  }
}

}  // namespace
}  // namespace vdbq
