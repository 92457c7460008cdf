#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "support/report_fixture.h"

// How the result list draws the rows these reports write.
namespace vdbq {
namespace {

using testing::ReportFixture;

ReportFixture ColourFixture() {
  return ReportFixture({
      {"Calendars.Xtract", "$CALENDAR\nHOLIDAYS\t\"h\"\n  12/25/26\nSPARE\t\"s\"\n  01/01/07\n"},
      {"Schedules.Xtract", "SCHEDULE CPU1#A\nON HOLIDAYS\nNEEDS 1 TAPES\nPROMPT OK\n:\nEND\n"},
      {"Resources.Xtract", "$RESOURCE\nCPU1#TAPES\t1\t\"\"\nCPU1#DISK\t1\t\"\"\n"},
      {"Prompts.Xtract", "$PROMPT\nOK \"?\"\nNO \"?\"\n"},
      {"Parms.Xtract", "$PARM\nBIN \"/b\"\nOLD \"/o\"\n"},
      {"Jobs.Xtract", "CPU1#J SCRIPTNAME \"^BIN^/x\"\n"},
  });
}

CellStyle Cell(const ReportFixture& fx, long long row, int column) {
  return CellStyleAt(fx.Results, row, column);
}

TEST(UsageReportColours, CalendarUseShowsAHeadingRowAndColouredFirstCells) {
  ReportFixture fx = ColourFixture();
  fx.Run("C#1", "HOLIDAYS");
  ASSERT_EQ(fx.Results.Rows.size(), 2u);
  EXPECT_EQ(RowStyle(fx.Results, 0), (CellStyle{TextColour::Navy, true, Ground::Pink, false}));
  EXPECT_EQ(Cell(fx, 0, 2).Fill, Ground::Pink);
  EXPECT_EQ(Cell(fx, 1, 1).Fill, Ground::List);
  EXPECT_EQ(Cell(fx, 1, 2).Fill, Ground::LightYellow);
  EXPECT_EQ(Cell(fx, 1, 3).Fill, Ground::CellGrey);
  EXPECT_EQ(Cell(fx, 1, 4).Fill, Ground::List);
}

TEST(UsageReportColours, CalendarListsAreLightGreenWithAGreySecondColumn) {
  ReportFixture fx = ColourFixture();
  for (const char* code : {"C#2", "C#3", "C#4"}) {
    fx.Run(code);
    ASSERT_EQ(fx.Results.Rows.size(), 1u) << code;
    EXPECT_EQ(Cell(fx, 0, 1).Fill, Ground::LightGreen) << code;
    EXPECT_EQ(Cell(fx, 0, 2).Fill, Ground::CellGrey) << code;
    EXPECT_EQ(Cell(fx, 0, 3).Fill, Ground::LightGreen) << code;
  }
}

TEST(UsageReportColours, FindReportsColourTheirSecondColumn) {
  ReportFixture fx = ColourFixture();
  fx.Run("R#1", "TAPES");
  EXPECT_EQ(Cell(fx, 0, 2).Fill, Ground::LightYellow);
  fx.Run("D#1", "OK");
  EXPECT_EQ(Cell(fx, 0, 2).Fill, Ground::LightYellow);
  fx.Run("P#1", "BIN");
  EXPECT_EQ(Cell(fx, 0, 2).Fill, Ground::LightBlue);
  EXPECT_EQ(Cell(fx, 0, 1).Fill, Ground::List);
}

TEST(UsageReportColours, UsageChecksMarkUnusedRowsInMaroonOnPink) {
  ReportFixture fx = ColourFixture();
  for (const char* code : {"R#2", "P#2", "D#2"}) {
    fx.Run(code);
    ASSERT_EQ(fx.Results.Rows.size(), 2u) << code;
    EXPECT_EQ(RowStyle(fx.Results, 0), CellStyle{}) << code;
    EXPECT_EQ(Cell(fx, 0, 2), CellStyle{}) << code;
    EXPECT_EQ(RowStyle(fx.Results, 1), (CellStyle{TextColour::Maroon, false, Ground::Pink, false}))
        << code;
    EXPECT_EQ(Cell(fx, 1, 2), (CellStyle{TextColour::Normal, false, Ground::Pink, true})) << code;
  }
}

}  // namespace
}  // namespace vdbq
