#include "core/reports/row_styles.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

ResultList ListOf(int reportNumber, std::vector<ResultRow> rows) {
  ResultList list;
  list.ReportNumber = reportNumber;
  list.Rows = std::move(rows);
  return list;
}

Ground CellGround(const ResultList& list, long long row, int column) {
  return CellStyleAt(list, row, column).Fill;
}

TEST(RowStyles, NoReportDrawsEverythingOnTheListGround) {
  const ResultList list = ListOf(0, {{"A", {"1", "2"}}});
  EXPECT_EQ(RowStyle(list, 0), CellStyle{});
  EXPECT_EQ(CellStyleAt(list, 0, 2), CellStyle{});
  EXPECT_EQ(RowStyle(list, 5), CellStyle{});  // past the end
}

TEST(RowStyles, DuplicateMarkOverridesTheYellowRowOfS2) {
  const ResultList list = ListOf(2, {{"DAILY", {"", "CPU1"}}, {"DAILY", {"1", "CPU2"}}});
  EXPECT_EQ(RowStyle(list, 0).Fill, Ground::LightYellow);
  const CellStyle marked = RowStyle(list, 1);
  EXPECT_EQ(marked.Fill, Ground::Pink);
  EXPECT_EQ(marked.Text, TextColour::Maroon);
  EXPECT_FALSE(marked.Bold);
  // C21 colours every sub-item of S#2 grey, whatever the row.
  EXPECT_EQ(CellGround(list, 1, 3), Ground::CellGrey);
  EXPECT_EQ(CellStyleAt(list, 1, 9).Text, TextColour::Normal);
}

TEST(RowStyles, JobDuplicatesUseBlueRowsAndGreyColumnTwo) {
  const ResultList list = ListOf(12, {{"J", {"", "CPU1"}}, {"J", {"1", "CPU2"}}});
  EXPECT_EQ(RowStyle(list, 0).Fill, Ground::LightBlue);
  EXPECT_EQ(RowStyle(list, 1).Fill, Ground::Pink);
  EXPECT_EQ(CellGround(list, 0, 2), Ground::CellGrey);
  EXPECT_EQ(CellGround(list, 0, 3), Ground::LightBlue);  // row style
}

TEST(RowStyles, LaterCellRulesWin) {
  // 13, 15 and 16 match C9 (yellow) then C10 (blue): blue wins.
  for (int n : {13, 15, 16}) {
    const ResultList list = ListOf(n, {{"CPU1", {"JOB"}}});
    EXPECT_EQ(CellGround(list, 0, 2), Ground::LightBlue) << n;
  }
  EXPECT_EQ(CellGround(ListOf(1, {{"CPU1", {"S"}}}), 0, 2), Ground::LightYellow);
  EXPECT_EQ(CellGround(ListOf(16, {{"CPU1", {"J", "cmd"}}}), 0, 3), Ground::Pink);
}

TEST(RowStyles, DetailReportRowsAndCells) {
  ResultList list = ListOf(4, {{"", {"Schedule"}},
                               {"", {"At/Until", "0600", "", "x"}},
                               {"", {"", "", ""}},
                               {"", {"On", "WORKDAYS", "z"}},
                               {"Seq.", {"x", "y", "z"}},
                               {"1", {"", "CPU1", "JOB1", "x"}},
                               {"<END>", {"", "", ""}}});
  list.DetailHeaderLastRow = 4;
  list.DetailEndRow = 7;
  const CellStyle atUntil = RowStyle(list, 1);
  EXPECT_EQ(atUntil.Fill, Ground::Pink);
  EXPECT_TRUE(atUntil.Bold);
  EXPECT_EQ(atUntil.Text, TextColour::Navy);
  EXPECT_EQ(CellGround(list, 1, 3), Ground::LightYellow);  // C3
  EXPECT_EQ(CellGround(list, 1, 5), Ground::CellGrey);     // C4
  EXPECT_EQ(CellGround(list, 3, 3), Ground::Pink);         // C1
  EXPECT_EQ(CellGround(list, 3, 4), Ground::CellGrey);     // C2
  EXPECT_FALSE(CellStyleAt(list, 4, 3).CellRule);          // "Seq." heading
  EXPECT_EQ(RowStyle(list, 5).Fill, Ground::LightGreen);   // R2
  EXPECT_EQ(CellGround(list, 5, 2), Ground::CellGrey);     // C7
  EXPECT_EQ(CellGround(list, 5, 3), Ground::LightYellow);  // C5
  EXPECT_EQ(CellGround(list, 5, 6), Ground::CellGrey);     // C6
  EXPECT_EQ(RowStyle(list, 6).Fill, Ground::List);         // "<END>"
  EXPECT_EQ(CellGround(list, 6, 5), Ground::CellGrey);     // C6 counts "<END>"
  list.DetailEndRow = 5;
  EXPECT_EQ(RowStyle(list, 5).Fill, Ground::List);  // past the detail section
}

TEST(RowStyles, DependencyPathColours) {
  const ResultList list = ListOf(5, {{"Seq.", {"Workstation", "Schedule"}},
                                     {"0001", {"CPU1", "DAILY", "x"}},
                                     {"12", {"CPU1", "B"}},
                                     {"", {"", ""}}});
  const CellStyle heading = RowStyle(list, 0);
  EXPECT_EQ(heading.Fill, Ground::Pink);
  EXPECT_TRUE(heading.Bold);
  EXPECT_EQ(CellGround(list, 0, 2), Ground::Pink);  // C14 excludes "Seq."
  EXPECT_EQ(RowStyle(list, 1).Fill, Ground::LightGreen);
  EXPECT_EQ(CellGround(list, 1, 3), Ground::Orange);       // four characters: C16
  EXPECT_EQ(CellGround(list, 2, 3), Ground::LightYellow);  // C15
  EXPECT_EQ(CellGround(list, 3, 2), Ground::CellGrey);     // an empty caption counts for C14
  EXPECT_EQ(CellGround(list, 3, 4), Ground::CellGrey);     // and for C17
  EXPECT_EQ(CellGround(list, 3, 3), Ground::List);
}

TEST(RowStyles, HeadingRowOfUsageReports) {
  const ResultList list = ListOf(31, {{"Workstation", {"Schedule", "On", "Except"}},
                                      {"CPU1", {"DAILY", "HOL", ""}}});
  EXPECT_TRUE(RowStyle(list, 0).Bold);
  EXPECT_EQ(CellGround(list, 0, 2), Ground::Pink);
  EXPECT_EQ(CellGround(list, 1, 2), Ground::LightYellow);
  EXPECT_EQ(CellGround(list, 1, 3), Ground::CellGrey);
  const ResultList j4 = ListOf(14, {{"Workstation", {"Schedule"}}, {"CPU1", {"S", "F"}}});
  EXPECT_EQ(CellGround(j4, 0, 2), Ground::Pink);
  EXPECT_EQ(CellGround(j4, 0, 3), Ground::Pink);
  EXPECT_EQ(CellGround(j4, 1, 3), Ground::CellGrey);
}

TEST(RowStyles, NotUsedRowsAreMarked) {
  for (int n : {42, 52, 62}) {
    const ResultList list = ListOf(n, {{"X", {"Not Used."}}, {"Y", {"Used."}}});
    EXPECT_EQ(RowStyle(list, 0).Text, TextColour::Maroon);
    EXPECT_EQ(CellGround(list, 0, 2), Ground::Pink);
    EXPECT_EQ(RowStyle(list, 1).Fill, Ground::List);
    EXPECT_FALSE(CellStyleAt(list, 1, 2).CellRule);
  }
}

TEST(RowStyles, ClassAndCalendarListsAreGreen) {
  for (int n : {23, 32, 33, 34}) {
    const ResultList list = ListOf(n, {{"X", {"y"}}});
    EXPECT_EQ(RowStyle(list, 0).Fill, Ground::LightGreen);
    EXPECT_EQ(CellGround(list, 0, 2), Ground::CellGrey);
  }
}

TEST(RowStyles, ColourTable) {
  const Rgb grey = GroundColour(Ground::CellGrey);
  EXPECT_EQ(grey.Blue, 209);
  EXPECT_EQ(GroundColour(Ground::List).Blue, 210);
  EXPECT_EQ(GroundColour(Ground::Orange).Green, 173);
  EXPECT_EQ(TextRgb(TextColour::Maroon).Red, 128);
  EXPECT_EQ(GroundName(Ground::LightGreen), "light green");
}

}  // namespace
}  // namespace vdbq
