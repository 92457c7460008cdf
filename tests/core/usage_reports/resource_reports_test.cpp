#include <gtest/gtest.h>

#include "core/reports/report_routines.h"
#include "result_table.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using testing::Rows;
using testing::Table;

const char* const kResources =
    "$RESOURCE\n"
    "CPU1#TAPES\t   2\t\"Tape drives\"\n"
    "CPU2#TAPES\t   1\t\"\"\n"
    "CPU1#DISK\t   4\t\"Disk slots\"\n"
    "CPU2#LOCK\t   1\t\"Lock\"\n"
    "NO TAB ON THIS LINE\n";

const char* const kSchedules =
    "SCHEDULE CPU1#S1\n"
    "ON EVERYDAY\n"
    "NEEDS 1 TAPES CONFIRMED\n"
    ":\n"
    " CPU1#J1\n"
    "END\n"
    "SCHEDULE CPU2#S2\n"
    "NEEDS 1 DISK,\n"
    "  2 CPU2#LOCK\n"
    ":\n"
    " CPU2#J2\n"
    "   NEEDS 1 CPU1#TAPES\n"
    "END\n"
    "SCHEDULE CPU1#S3\n"
    "NEEDS TAPES\n"
    "*NEEDS 1 LOCK\n"
    ":\n"
    "END\n"
    "NEEDS 1 LOCK\n"
    "SCHEDULE CPU2#S4\n"
    "NEEDS 1 TAPES, 2 DISK\n"
    ":\n"
    "END\n";

ReportFixture ResourceFixture(const std::string& schedules = kSchedules,
                              const std::string& resources = kResources) {
  return ReportFixture({{"Resources.Xtract", resources}, {"Schedules.Xtract", schedules}});
}

TEST(ResourceUseReport, FindsItemsWithAQuantityOrAWorkstationBeforeTheName) {
  ReportFixture fx = ResourceFixture();
  fx.Run("R#1", "TAPES");
  // S3 names TAPES with neither, so it is not found.
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1", "S1"}, {"CPU2", "S2"}, {"CPU2", "S4"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedules using Resource <TAPES>... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 41);
  EXPECT_EQ(fx.Results.LabRepTit1, "Resource Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "Schedules Using: TAPES");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 350, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report R#1:TAPES"});
  EXPECT_TRUE(fx.Results.ResultsShown);
}

TEST(ResourceUseReport, ReadsContinuedItemsButNoCommentsAndNothingOutsideABody) {
  ReportFixture fx = ResourceFixture();
  fx.Run("R#1", "LOCK");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU2", "S2"}}));
  fx.Run("R#1", "DISK");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU2", "S2"}, {"CPU2", "S4"}}));
}

TEST(ResourceUseReport, CutsTheWorkstationPartOffTheSearchBox) {
  ReportFixture fx = ResourceFixture();
  fx.Run("R#1", "CPU9#LOCK");
  EXPECT_EQ(fx.Panel.SearchText, "LOCK");
  EXPECT_EQ(fx.Results.LabRepTit2, "Schedules Using: LOCK");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report R#1:LOCK"});
}

TEST(ResourceUseReport, StopsWithoutAuditLineWhenOnlyAWorkstationIsGiven) {
  ReportFixture fx = ResourceFixture();
  fx.Results.ReportNumber = 5;
  fx.Run("R#1", "CPU1#");
  EXPECT_EQ(fx.Panel.StatusText, "No Resource Name Entered!");
  EXPECT_EQ(fx.Panel.SearchText, "");
  EXPECT_EQ(fx.Results.ReportNumber, 5);
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

TEST(ResourceUseReport, WritesItsAuditLineBeforeRejectingAnUnknownName) {
  ReportFixture fx = ResourceFixture();
  fx.Results.ReportNumber = 5;
  fx.Results.AddRow("previous");
  fx.Run("R#1", "CPU1#TAPE");
  EXPECT_EQ(fx.Panel.StatusText, "Resource Name Entered Is Invalid!");
  EXPECT_EQ(fx.Panel.SearchText, "TAPE");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report R#1:TAPE"});
  EXPECT_NE(fx.AuditFileText().find("Run Report R#1:TAPE"), std::string::npos);
  EXPECT_EQ(Table(fx.Results), (Rows{{"previous"}}));
  EXPECT_EQ(fx.Results.ReportNumber, 5);
  EXPECT_EQ(fx.Results.RunsCompleted, 0);
}

TEST(ResourceUseReport, AContinuedEndLineEndsTheBody) {
  ReportFixture fx = ResourceFixture(
      "SCHEDULE CPU1#A\nNEEDS 1 TAPES,\nEND\nSCHEDULE CPU2#B\n:\n CPU2#J\n  NEEDS 1 LOCK\nEND\n");
  fx.Run("R#1", "LOCK");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU2", "B"}}));
}

TEST(ResourceUseReport, ReadsABodyWithoutEndUpToTheEndOfTheFile) {
  ReportFixture fx = ResourceFixture("SCHEDULE CPU1#A\n:\n CPU1#J\n  NEEDS 1 LOCK,");
  fx.Run("R#1", "LOCK");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1", "A"}}));
}

TEST(ResourceUsageCheck, CountsUnqualifiedItemsForTheSchedulesWorkstation) {
  ReportFixture fx = ResourceFixture("SCHEDULE CPU1#A\nNEEDS 1 TAPES\n:\nEND\n");
  fx.Run("R#2", " ignored");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1#TAPES", "Ok."},
                                     {"CPU2#TAPES", "Not Used."},
                                     {"CPU1#DISK", "Not Used."},
                                     {"CPU2#LOCK", "Not Used."}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 used Resources, and 3 unused Resources... Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 42);
  EXPECT_EQ(fx.Results.LabRepTit1, "Resource Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "Check Usage:");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{200, 200, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, " ignored");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report R#2: ignored"});
}

TEST(ResourceUsageCheck, TakesTheFirstItemOfALineAndEveryContinuedItem) {
  ReportFixture fx = ResourceFixture(
      "SCHEDULE CPU1#A\nNEEDS 1 TAPES, 2 DISK\n:\n CPU2#J\n  NEEDS 1 CPU2#TAPES,\n"
      "  1 LOCK\nEND\n");
  fx.Run("R#2");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1#TAPES", "Ok."},
                                     {"CPU2#TAPES", "Ok."},
                                     {"CPU1#DISK", "Not Used."},
                                     {"CPU2#LOCK", "Not Used."}}));
  // The continued LOCK belongs to the schedule's workstation CPU1, not the job's.
}

TEST(ResourceUsageCheck, AContinuedEndLineDoesNotEndTheBody) {
  // The END taken as an item leaves the NEEDS line current, so B's clause is read as A's.
  ReportFixture fx = ResourceFixture(
      "SCHEDULE CPU1#A\nNEEDS 1 DISK,\nEND\nSCHEDULE CPU2#B\nNEEDS 1 LOCK\n:\nEND\n",
      "$RESOURCE\nCPU1#LOCK\t1\t\"\"\nCPU2#LOCK\t1\t\"\"\n");
  fx.Run("R#2");
  EXPECT_EQ(Table(fx.Results), (Rows{{"CPU1#LOCK", "Ok."}, {"CPU2#LOCK", "Not Used."}}));
}

TEST(ResourceUsageCheck, IgnoresCommentLinesAndLinesOutsideABody) {
  ReportFixture fx = ResourceFixture("NEEDS 1 CPU1#DISK\nSCHEDULE CPU2#A\n*NEEDS 1 LOCK\n:\nEND\n");
  fx.Run("R#2");
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 used Resources, and 4 unused Resources... Ready.");
}

TEST(ResourceReports, DoNothingWithoutResources) {
  ReportFixture fx = ResourceFixture(kSchedules, "$RESOURCE\n");
  fx.Run("R#1", "TAPES");
  fx.Run("R#2");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_EQ(fx.Results.ReportNumber, 0);
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
}

}  // namespace
}  // namespace vdbq
