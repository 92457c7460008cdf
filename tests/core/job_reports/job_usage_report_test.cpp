#include "core/reports/job_usage_report.h"

#include <gtest/gtest.h>

#include "core/reports/row_styles.h"
#include "core/reports/schedule_follows_reader.h"
#include "report_test_helpers.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::CountingProgress;
using testing::Extracts;
using testing::ReportFixture;
using testing::Row;
using testing::RowsOf;

TEST(ReadScheduleJobs, CollectsJobKeysAndTheirFollowsClauses) {
  const LineList lines({":", " NAKED", " CPU2#J2 CONFIRMED", "   FOLLOWS NAKED", " J3 PRIORITY 10",
                        "   FOLLOWS CPU9#S.X,", "   A,", "   CPU8#B CONFIRMED", "   NEEDS 1 TAPES",
                        "   PROMPT \"ok?\"", "* CPU1#COMMENTED", "   AT 0100", "   EVERY 0010",
                        "   CONFIRMED", "", "END", "SCHEDULE CPU1#NEXT"});
  CountingProgress progress;
  const ScheduleJobs jobs = ReadScheduleJobs(lines, 1, "CPU1", progress);
  EXPECT_EQ(jobs.Jobs, "CPU1#NAKED,CPU2#J2,CPU1#J3,");
  // Continuation lines join their clause and get the workstation only when they have none.
  EXPECT_EQ(jobs.Dependencies, "CPU1#NAKED,CPU9#S.X,CPU1#A,CPU8#B,");
  EXPECT_EQ(jobs.NextLine, 16);
  EXPECT_GE(progress.Ticks, 15);
}

TEST(ReadScheduleJobs, AHashAnywhereLeavesAFollowsLineAsWritten) {
  const LineList lines({"   FOLLOWS A,CPU2#B", "END"});
  CountingProgress progress;
  EXPECT_EQ(ReadScheduleJobs(lines, 0, "CPU1", progress).Dependencies, "A,CPU2#B,");
}

TEST(ReadScheduleJobs, StopsAtTheEndOfTheListWithoutEnd) {
  const LineList lines({" JOB1", "   FOLLOWS JOB0,"});
  CountingProgress progress;
  const ScheduleJobs jobs = ReadScheduleJobs(lines, 0, "CPU1", progress);
  EXPECT_EQ(jobs.Jobs, "CPU1#JOB1,");
  EXPECT_EQ(jobs.Dependencies, "CPU1#JOB0,,");
  EXPECT_EQ(jobs.NextLine, 2);
}

TEST(ReadScheduleFollows, KeepsTheLastClauseAndItsContinuations) {
  const LineList lines({"ON EVERYDAY", "FOLLOWS CPU2#OLD.@", "* FOLLOWS CPU3#COMMENT.@",
                        "FOLLOWS S1.J1,", "", " CPU2#S2.J2,", " S3.J3", ":", " JOB"});
  CountingProgress progress;
  const ScheduleFollows follows = ReadScheduleFollows(lines, 0, "CPU1", progress);
  EXPECT_EQ(follows.Text, "CPU1#S1.J1,CPU2#S2.J2,CPU1#S3.J3");
  EXPECT_EQ(follows.NextLine, 8);
}

TEST(ReadScheduleFollows, EndsAtTheColonOrTheEndOfTheList) {
  CountingProgress progress;
  const LineList runOn({"FOLLOWS S1.J1,", ":", " JOB"});
  EXPECT_EQ(ReadScheduleFollows(runOn, 0, "CPU1", progress).NextLine, 2);
  EXPECT_EQ(ReadScheduleFollows(runOn, 0, "CPU1", progress).Text, "CPU1#S1.J1,");
  const LineList noColon({"FOLLOWS S1.J1", "ON EVERYDAY"});
  EXPECT_EQ(ReadScheduleFollows(noColon, 0, "CPU1", progress).NextLine, 2);
}

TEST(EntryNamesJob, MatchesWholeEntriesAndTailsAfterHashOrDot) {
  EXPECT_TRUE(EntryNamesJob("LOAD", "LOAD"));
  EXPECT_TRUE(EntryNamesJob("CPU1#LOAD", "LOAD"));
  EXPECT_TRUE(EntryNamesJob("CPU1#S.LOAD", "LOAD"));
  EXPECT_TRUE(EntryNamesJob("CPU2#S.CPU1#LOAD", "CPU1#LOAD"));
  EXPECT_FALSE(EntryNamesJob("CPU1#PRELOAD", "LOAD"));
  EXPECT_FALSE(EntryNamesJob("XCPU1#LOAD", "CPU1#LOAD"));
  EXPECT_FALSE(EntryNamesJob("OAD", "LOAD"));
  EXPECT_FALSE(EntryNamesJob("CPU1#LOADER", "LOAD"));
}

constexpr const char* kUsageJobs = "CPU1#LOAD X\nCPU2#LOAD X\nCPU1#PRELOAD X\nCPU1#ALONE X\n";

constexpr const char* kUsageSchedules =
    "SCHEDULE CPU1#USESJOB\n"
    ":\n"
    " LOAD\n"
    " CPU2#LOAD\n"
    "END\n"
    "SCHEDULE CPU2#FOLLOWSIT\n"
    "FOLLOWS CPU1#USESJOB.START,\n"
    " CPU1#USESJOB.LOAD\n"
    ":\n"
    " CPU2#OTHER\n"
    "END\n"
    "SCHEDULE CPU3#JOBDEP\n"
    ":\n"
    " CPU3#X\n"
    "   FOLLOWS CPU1#PRELOAD\n"
    " CPU3#Y\n"
    "   FOLLOWS CPU2#LOAD\n"
    "END\n"
    "SCHEDULE CPU3#PRELOADONLY\n"
    ":\n"
    " CPU1#PRELOAD\n"
    "END\n";

const Row kHeading{"Workstation", "Appears In Schedule", "As Schedule Dependency", "As Job Name",
                   "As Job Dependency"};

TEST(J4FindsSchedulesUsingAJob, ABareNameFindsEveryWorkstationsJob) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}, {"Schedules.Xtract", kUsageSchedules}});
  fx.Run("J#4", " LOAD ");
  EXPECT_EQ(fx.Results.ReportNumber, 14);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #4");
  EXPECT_EQ(fx.Results.LabRepTit2, "LOAD");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{100, 150, 100, 200, 200, 0, 0, 0, 0}));
  EXPECT_EQ(fx.Panel.SearchText, "LOAD");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report J#4:LOAD"});
  // One row per schedule with the first matching entry of each list; PRELOAD is no match.
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{kHeading,
                              {"CPU1", "USESJOB", "", "CPU1#LOAD", ""},
                              {"CPU2", "FOLLOWSIT", "CPU1#USESJOB.LOAD", "", ""},
                              {"CPU3", "JOBDEP", "", "", "CPU2#LOAD"}}));
  EXPECT_EQ(fx.Panel.StatusText, "Found 3 Schedule(s) containing <LOAD>... Ready.");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
}

TEST(J4FindsSchedulesUsingAJob, AFullKeyMatchesOnlyThatWorkstationsJob) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}, {"Schedules.Xtract", kUsageSchedules}});
  fx.Run("J#4", "CPU2#LOAD");
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{kHeading,
                                                  {"CPU1", "USESJOB", "", "CPU2#LOAD", ""},
                                                  {"CPU3", "JOBDEP", "", "", "CPU2#LOAD"}}));
  // The naked job of a CPU1 schedule is CPU1's.
  fx.Run("J#4", "CPU1#LOAD");
  EXPECT_EQ(RowsOf(fx.Results),
            (std::vector<Row>{kHeading, {"CPU1", "USESJOB", "", "CPU1#LOAD", ""}}));
}

TEST(J4FindsSchedulesUsingAJob, AnUnusedJobGivesTheHeadingAlone) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}, {"Schedules.Xtract", kUsageSchedules}});
  fx.Run("J#4", "ALONE");
  EXPECT_EQ(RowsOf(fx.Results), std::vector<Row>{kHeading});
  EXPECT_EQ(fx.Panel.StatusText, "Found 0 Schedule(s) containing <ALONE>... Ready.");
  EXPECT_TRUE(fx.Results.ResultsShown);
}

TEST(J4FindsSchedulesUsingAJob, AnUndefinedJobIsAuditedButChangesNoResults) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}, {"Schedules.Xtract", kUsageSchedules}});
  fx.Run("J#1");
  fx.Run("J#4", "CPU9#LOAD");
  EXPECT_EQ(fx.Panel.StatusText, "JobName : CPU9#LOAD Is An Invalid JobName!");
  EXPECT_EQ(fx.Audit->AuditTexts(),
            (std::vector<std::string>{"Run Report J#1:", "Run Report J#4:CPU9#LOAD"}));
  EXPECT_NE(fx.AuditFileText().find("Run Report J#4:CPU9#LOAD"), std::string::npos);
  EXPECT_EQ(fx.Results.ReportNumber, 11);
  EXPECT_EQ(fx.Results.LabRepTit1, "Job Report - Option #1");
  EXPECT_EQ(fx.Results.Rows.size(), 4u);
  EXPECT_EQ(fx.Results.RunsCompleted, 1);
}

TEST(J4FindsSchedulesUsingAJob, ARejectedTextIsNotAudited) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}});
  fx.Run("J#4", "load");
  EXPECT_EQ(fx.Panel.StatusText, "Invalid Character In Schedule Name - Please Check!");
  EXPECT_TRUE(fx.Audit->AuditTexts().empty());
  EXPECT_EQ(fx.Results.ReportNumber, 0);
}

TEST(J4FindsSchedulesUsingAJob, CutsLongWorkstationAndScheduleNames) {
  const std::string workstation(55, 'W');
  ReportFixture fx(Extracts{
      {"Jobs.Xtract", std::string(50, 'W') + "#JOB X\n"},
      {"Schedules.Xtract", "SCHEDULE " + workstation + "#ABCDEFGHIJKLMNOPQRST\n:\n JOB\nEND\n"}});
  fx.Run("J#4", std::string(50, 'W') + "#JOB");
  ASSERT_EQ(fx.Results.Rows.size(), 2u);
  // The naked job takes the cut workstation, so the full key of the defined job finds it.
  EXPECT_EQ(RowsOf(fx.Results)[1],
            (Row{std::string(50, 'W'), "ABCDEFGHIJKLMNOP", "", std::string(50, 'W') + "#JOB", ""}));
}

TEST(J4FindsSchedulesUsingAJob, DefinitionsWithoutColonOrEndEndAtTheFileEnd) {
  ReportFixture fx(
      Extracts{{"Jobs.Xtract", kUsageJobs},
               {"Schedules.Xtract", "SCHEDULE CPU1#A\n:\n LOAD\nSCHEDULE CPU1#B\n LOAD\n"}});
  fx.Run("J#4", "LOAD");
  // The first section runs on to the end of the file and takes the rest with it.
  EXPECT_EQ(RowsOf(fx.Results), (std::vector<Row>{kHeading, {"CPU1", "A", "", "CPU1#LOAD", ""}}));
}

TEST(J4FindsSchedulesUsingAJob, HeadingAndDataRowsTakeTheirColours) {
  ReportFixture fx(Extracts{{"Jobs.Xtract", kUsageJobs}, {"Schedules.Xtract", kUsageSchedules}});
  fx.Run("J#4", "LOAD");
  const CellStyle heading = RowStyle(fx.Results, 0);
  EXPECT_EQ(heading.Fill, Ground::Pink);
  EXPECT_EQ(heading.Text, TextColour::Navy);
  EXPECT_TRUE(heading.Bold);
  EXPECT_EQ(CellStyleAt(fx.Results, 0, 2).Fill, Ground::Pink);
  EXPECT_EQ(CellStyleAt(fx.Results, 1, 2).Fill, Ground::LightYellow);
  EXPECT_EQ(CellStyleAt(fx.Results, 1, 3).Fill, Ground::CellGrey);
  EXPECT_EQ(CellStyleAt(fx.Results, 1, 4).Fill, Ground::List);
}

}  // namespace
}  // namespace vdbq
