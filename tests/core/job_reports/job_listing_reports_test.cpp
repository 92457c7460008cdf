#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "report_test_helpers.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::Extracts;
using testing::ReportFixture;
using testing::Row;
using testing::RowsOf;

// Header lines, continuation lines, a blank-led header (empty key), a key without "#" and a
// header without any blank.
constexpr const char* kJobs =
    "* jobs\n"
    "CPU2#LOAD DOCOMMAND \"load.sh\"\n"
    "     STREAMLOGON batch #1\n"
    "cpu1#zeta SCRIPTNAME \"/bin/Zeta.sh\"\n"
    "CPU1#ALPHA DOCOMMAND \"echo Alpha\"\n"
    "    CPU9#FOURBLANKS DOCOMMAND \"x\"\n"
    "PLAIN DOCOMMAND \"has # in command\"\n"
    "CPU3#NOBLANK\n"
    "no hash here\n";

TEST(JobHeaderLines, FiveBlanksMakeAContinuationFewerAnEmptyKey) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kJobs}});
  fx.Run("J#1");
  // The four-blank line counts with an empty key, "PLAIN" has no workstation, the header
  // without a blank has an empty key too.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"", ""},
                                                  {"", ""},
                                                  {"CPU1", "ALPHA"},
                                                  {"cpu1", "zeta"},
                                                  {"CPU2", "LOAD"},
                                                  {"", "PLAIN"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 6 Job(s)... Ready.");
}

TEST(J1ListsJobsByWorkstation, SetsTheFrameAndEmptiesTheSearchBox) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU1#B X\nCPU1#A X\n"}});
  fx.Run("J#1", "TYPED");
  EXPECT_EQ(fx.Results.ReportNumber, 11);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #1");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Workstation/Job");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#1:"});
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.ReportPageShown, 1);
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#JobName To ClipBoard");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "A"}, {"CPU1", "B"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 2 Job(s)... Ready.");
}

TEST(J1ListsJobsByWorkstation, AnEmptyJobsFileGivesAnEmptyList) {
  ReportFixture fx(Extracts{});
  fx.Results.AddRow("old");
  fx.Run("J#1");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Job(s)... Ready.");
  EXPECT_EQ(fx.Results.RunsCompleted, 1);
}

TEST(J2MarksDuplicateNames, RepeatsAfterTheFirstCarryTheMark) {
  ReportFixture fx(Extracts{{"Jobs.Xtract",
                             "CPU3#LOAD X\nCPU1#LOAD X\nCPU1#BACKUP X\nCPU2#LOAD X\nCPU2#load X\n"
                             "NOHASH X#\n"}});
  fx.Run("J#2", "TYPED");
  EXPECT_EQ(fx.Results.ReportNumber, 12);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #2");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Job/Workstation");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{200, 0, 100, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "");
  // Letter-case variants sort together but are not the same name; the key without "#" is not
  // collected and not counted.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"BACKUP", "", "CPU1"},
                                                  {"LOAD", "", "CPU1"},
                                                  {"LOAD", "1", "CPU2"},
                                                  {"load", "", "CPU2"},
                                                  {"LOAD", "", "CPU3"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 5 Job(s)... Ready.");
}

TEST(J2MarksDuplicateNames, ThreeWorkstationsGiveOneUnmarkedAndTwoMarkedRows) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU3#LOAD X\nCPU1#LOAD X\nCPU2#LOAD X\n"}});
  fx.Run("J#2");
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{{"LOAD", "", "CPU1"}, {"LOAD", "1", "CPU2"}, {"LOAD", "1", "CPU3"}}));
  // Every row light blue, marked rows maroon on pink, column 2 grey.
  EXPECT_EQ(RowStyle(fx.Results, 0).Fill, Ground::LightBlue);
  EXPECT_EQ(RowStyle(fx.Results, 1).Fill, Ground::Pink);
  EXPECT_EQ(RowStyle(fx.Results, 1).Text, TextColour::Maroon);
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::CellGrey);
  EXPECT_EQ(CellStyleAt(fx.Results, 2, 3).Fill, Ground::Pink);
}

TEST(J3FindsTextInJobKeys, MatchesAnywhereInTheKeyIncludingTheHash) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", "CPU1#LOAD X\nCPU12#RUN X\nCPU2#CPU1JOB X\nCPU2#OTHER X\n"}});
  fx.Run("J#3", "  CPU1 ");
  EXPECT_EQ(fx.Results.ReportNumber, 13);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #3");
  EXPECT_EQ(fx.Results.LabRepTit2, "String Search Result");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 300, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "CPU1");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#3:CPU1"});
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{{"CPU1", "LOAD"}, {"CPU12", "RUN"}, {"CPU2", "CPU1JOB"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Occurrences of <CPU1>... Ready.");

  fx.Run("J#3", "2#O");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU2", "OTHER"}}));
  // Column 2 is blue: the job rule comes after the yellow one.
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::LightBlue);
}

TEST(J3FindsTextInJobKeys, IsCaseSensitiveAndNeverFindsAnEmptyKey) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "cpu1#load X\n CPU1#LOAD X\n"}});
  fx.Run("J#3", "LOAD");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Occurrences of <LOAD>... Ready.");
}

TEST(J3FindsTextInJobKeys, ARejectedTextChangesNothingElse) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU1#LOAD X\n"}});
  fx.Run("J#1");
  fx.Run("J#3", "lo");
  EXPECT_EQ(fx.Panel.StatusText, "Invalid Character In Schedule Name - Please Check!");
  EXPECT_TRUE(fx.Panel.FocusSearchRequested);
  EXPECT_EQ(fx.Results.ReportNumber, 11);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #1");
  EXPECT_EQ(fx.Results.Rows.size(), 1u);
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#1:"});

  fx.Run("J#3", "   ");
  EXPECT_EQ(fx.Panel.StatusText, "No Text Entered - Please Check!");
  EXPECT_EQ(fx.Audit->AuditTexts().size(), 1u);
}

constexpr const char* kScheduledJobs =
    "CPU1#NAKED X\n"
    "CPU1#QUALIFIED X\n"
    "CPU1#CONF X\n"
    "CPU1#PRIO X\n"
    "CPU1#INCOMMENT X\n"
    "CPU1#CONTINUED X\n"
    "CPU1#TAIL X\n"
    "CPU2#NAKED X\n"
    "CPU2#IDLE X\n";

constexpr const char* kSchedulesUsingJobs =
    "SCHEDULE CPU1#DAILY\n"
    "ON EVERYDAY\n"
    "FOLLOWS CPU2#OTHER.@\n"
    ":\n"
    " NAKED\n"
    " CPU1#QUALIFIED\n"
    " CPU1#CONF CONFIRMED\n"
    " CPU1#PRIO PRIORITY 20\n"
    "* CPU1#INCOMMENT\n"
    "   AT 0100\n"
    " CPU2#FOLLOWER\n"
    "   FOLLOWS NAKED,\n"
    "   CPU1#CONTINUED\n"
    " XCPU1#TAIL\n"
    "END\n";

TEST(J5ListsUnscheduledJobs, CountsJobLinesOfEverySchedule) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", kScheduledJobs}, {"Schedules.Xtract", kSchedulesUsingJobs}});
  fx.Run("J#5", "TYPED");
  EXPECT_EQ(fx.Results.ReportNumber, 15);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #5");
  EXPECT_EQ(fx.Results.LabRepTit2, "All Un-Scheduled Jobs");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 350, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#5:"});
  // A naked job is the schedule's own workstation's; CONFIRMED and PRIORITY come off; a
  // commented job, a FOLLOWS continuation line and the tail of a longer key do not count.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "CONTINUED"},
                                                  {"CPU1", "INCOMMENT"},
                                                  {"CPU1", "TAIL"},
                                                  {"CPU2", "IDLE"},
                                                  {"CPU2", "NAKED"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 5 Un-Scheduled Job(s)... Ready.");
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::LightBlue);
}

TEST(J5ListsUnscheduledJobs, ListIsBuiltOnceAndRebuiltAfterARefresh) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU1#A X\nCPU1#B X\n"},
                            {"Schedules.Xtract", "SCHEDULE CPU1#S\n:\n A\nEND\n"}});
  EXPECT_FALSE(fx.Catalogue.ScheduledJobList.has_value());
  fx.Run("J#5");
  ASSERT_TRUE(fx.Catalogue.ScheduledJobList.has_value());
  EXPECT_EQ(*fx.Catalogue.ScheduledJobList, "CPU1#A,");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "B"}}));

  // A second run reuses the list even though the extracts on disk changed.
  fx.Dir.Write("Schedules.Xtract", "SCHEDULE CPU1#S\n:\n B\nEND\n");
  fx.Run("J#5");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "B"}}));

  RefreshCatalogue(fx.Settings.DatabaseDir, fx.Store, fx.Catalogue);
  EXPECT_FALSE(fx.Catalogue.ScheduledJobList.has_value());
  fx.Run("J#5");
  EXPECT_EQ(*fx.Catalogue.ScheduledJobList, "CPU1#B,");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "A"}}));
}

TEST(J5ListsUnscheduledJobs, AnEmptyListIsBuiltAgainOnTheNextRun) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", "CPU1#A X\n"}, {"Schedules.Xtract", "SCHEDULE CPU1#S\n:\nEND\n"}});
  fx.Run("J#5");
  EXPECT_EQ(fx.Catalogue.ScheduledJobList.value_or("unset"), "");
  const long long ticksOfFirstRun = fx.Progress.Ticks;
  fx.Run("J#5");
  EXPECT_EQ(fx.Progress.Ticks, 2 * ticksOfFirstRun);
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 Un-Scheduled Job(s)... Ready.");
}

TEST(J5ListsUnscheduledJobs, SectionsWithoutColonOrEndStopAtTheEndOfTheFile) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", "CPU1#A X\nCPU1#B X\nCPU1#C X\n"},
               {"Schedules.Xtract", "SCHEDULE CPU1#S1\n:\n A\nEND\nSCHEDULE CPU1#S2\n:\n B\n"}});
  fx.Run("J#5");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "C"}}));

  ReportFixture noColon(Extracts{{"Jobs.Xtract", "CPU1#A X\n"},
                                 {"Schedules.Xtract", "SCHEDULE CPU1#S1\nON EVERYDAY\n A\n"}});
  noColon.Run("J#5");
  EXPECT_EQ(RowsOf(noColon.Results), (std::vector<Row>{{"CPU1", "A"}}));
}

TEST(J5ListsUnscheduledJobs, EmptyKeysAndKeysWithCommasFollowTheEntryRule) {
  // A key holding a comma is scheduled only when the list holds it as a run of entries.
  ReportFixture fx(Extracts{{"Jobs.Xtract", "CPU1#A,CPU1#B X\nCPU1#B,CPU1#A X\n X#Y\n"},
                            {"Schedules.Xtract", "SCHEDULE CPU1#S\n:\n CPU1#A,CPU1#B\nEND\n"}});
  fx.Run("J#5");
  // The blank-led header's empty key is in no schedule.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"", ""}, {"CPU1", "B,CPU1#A"}}));
}

TEST(J6FindsTextInCommands, MatchesTheClauseIgnoringLetterCase) {
  ReportFixture fx(Extracts{{"Jobs.Xtract",
                             "CPU1#B DOCOMMAND \"echo Nightly\"\n"
                             "CPU1#NIGHTLY SCRIPTNAME \"/bin/x.sh\"\n"
                             "     DESCRIPTION \"nightly run\"\n"
                             "CPU2#A SCRIPTNAME \"/opt/NIGHTLY.sh\"\n"
                             " CPU3#C DOCOMMAND \"nightly\"\n"}});
  fx.Run("J#6", "NIGHTLY");
  EXPECT_EQ(fx.Results.ReportNumber, 16);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #6");
  EXPECT_EQ(fx.Results.LabRepTit2, "Find: NIGHTLY");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 250, 500, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "NIGHTLY");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#6:NIGHTLY"});
  // Not the key, not a continuation line, not a blank-led header (empty key).
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{{"CPU1", "B", "DOCOMMAND \"echo Nightly\""},
                              {"CPU2", "A", "SCRIPTNAME \"/opt/NIGHTLY.sh\""}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 2 Job(s) containing <NIGHTLY>... Ready.");
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::LightBlue);
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 3).Fill, Ground::Pink);
}

TEST(J6FindsTextInCommands, TakesTheSearchTextAsTyped) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", "CPU1#B DOCOMMAND \"echo x\"\nCPU1#C DOCOMMAND \"echox\"\n"}});
  fx.Run("J#6", "ECHO ");
  EXPECT_EQ(fx.Panel.SearchText, "ECHO ");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{{"CPU1", "B", "DOCOMMAND \"echo x\""}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 1 Job(s) containing <ECHO >... Ready.");

  fx.Run("J#6", "");
  EXPECT_TRUE(fx.Results.Rows.empty());
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Job(s) containing <>... Ready.");
  EXPECT_EQ(fx.Audit->AuditTexts().back(), "Run Report J#6:");
}

}  // namespace
}  // namespace vdbq
