#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "core/schedule_reports/schedule_test_text.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ExtractText;
using testing::ReportFixture;

// Rows 0 to 15: the schedule section (last row 14) and the "Seq." heading; 16 and 17 job J1,
// 18 and 19 job J2, 20 "<END>".
class ScheduleDetailStyles : public ::testing::Test {
 protected:
  ScheduleDetailStyles()
      : fx({{"Schedules.Xtract", ExtractText({"SCHEDULE CPU1#S", "AT 0600", ":", " J1", " J2",
                                              "   FOLLOWS J1", "END"})}}) {
    fx.Run("S#4", "CPU1#S");
  }
  Ground Fill(long long row, int column) { return CellStyleAt(fx.Results, row, column).Fill; }

  ReportFixture fx;
};

TEST_F(ScheduleDetailStyles, TheRowsSitWhereTheColoursExpectThem) {
  ASSERT_EQ(fx.Results.Rows.size(), 21u);
  EXPECT_EQ(fx.Results.DetailHeaderLastRow, 14);
  EXPECT_EQ(fx.Results.DetailEndRow, 20);
  EXPECT_EQ(fx.Results.Rows[15].Caption, "Seq.");
}

TEST_F(ScheduleDetailStyles, BothHeadingRowsAreNavyBoldOnPink) {
  for (long long row : {0, 15}) {
    const CellStyle style = RowStyle(fx.Results, row);
    EXPECT_EQ(style.Text, TextColour::Navy) << row;
    EXPECT_TRUE(style.Bold) << row;
    EXPECT_EQ(style.Fill, Ground::Pink) << row;
    for (int k = 2; k <= 9; ++k) EXPECT_FALSE(CellStyleAt(fx.Results, row, k).CellRule) << row;
  }
}

TEST_F(ScheduleDetailStyles, ScheduleRowsMarkTheNameTheirFirstItemsAndTheLabels) {
  EXPECT_EQ(RowStyle(fx.Results, 1).Fill, Ground::List);
  EXPECT_EQ(Fill(1, 3), Ground::LightYellow);
  EXPECT_EQ(Fill(1, 5), Ground::CellGrey);
  EXPECT_EQ(Fill(1, 4), Ground::List);
  EXPECT_EQ(Fill(2, 3), Ground::List);
  for (long long row = 3; row < 14; ++row) {
    EXPECT_EQ(Fill(row, 3), Ground::Pink) << row;
    EXPECT_EQ(Fill(row, 4), Ground::CellGrey) << row;
    EXPECT_EQ(Fill(row, 5), Ground::List) << row;
  }
  EXPECT_EQ(Fill(14, 3), Ground::List);
}

TEST_F(ScheduleDetailStyles, FirstRowsOfJobsAreGreenWithYellowNames) {
  for (long long row : {16, 18}) {
    EXPECT_EQ(RowStyle(fx.Results, row).Fill, Ground::LightGreen) << row;
    EXPECT_EQ(Fill(row, 2), Ground::CellGrey);
    EXPECT_EQ(Fill(row, 3), Ground::LightYellow);
    EXPECT_EQ(Fill(row, 4), Ground::LightYellow);
    for (int k = 5; k <= 9; ++k) EXPECT_EQ(Fill(row, k), Ground::CellGrey) << row << k;
  }
  for (long long row : {17, 19}) {
    EXPECT_EQ(RowStyle(fx.Results, row).Fill, Ground::List) << row;
    for (int k = 2; k <= 9; ++k) EXPECT_FALSE(CellStyleAt(fx.Results, row, k).CellRule);
  }
}

TEST_F(ScheduleDetailStyles, TheEndRowIsNotAJobRow) {
  const CellStyle end = RowStyle(fx.Results, 20);
  EXPECT_EQ(end.Fill, Ground::List);
  EXPECT_EQ(end.Text, TextColour::Normal);
  EXPECT_EQ(Fill(20, 3), Ground::List);
}

}  // namespace
}  // namespace vdbq
