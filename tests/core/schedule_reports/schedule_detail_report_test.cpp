#include <gtest/gtest.h>

#include "core/schedule_reports/schedule_test_text.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::AllCells;
using testing::Cells;
using testing::ExtractText;
using testing::ReportFixture;
using Row = std::vector<std::string>;
using Rows = std::vector<Row>;

ReportFixture Schedules(const std::string& text) {
  return ReportFixture({{"Schedules.Xtract", text}});
}

// The rows of the job section: from the "Seq." heading row to the end.
Rows JobSection(const ResultList& results) {
  Rows rows = AllCells(results);
  for (size_t i = 0; i < rows.size(); ++i) {
    if (rows[i][0] == "Seq.") return Rows(rows.begin() + static_cast<long>(i), rows.end());
  }
  return {};
}

// The job rows only: without the "Seq." heading and the "<END>" row.
Rows JobRows(const ResultList& results) {
  Rows rows = JobSection(results);
  if (rows.size() < 2) return {};
  return Rows(rows.begin() + 1, rows.end() - 1);
}

// Captions and job names of the first row of each job, in the order shown.
std::vector<std::pair<std::string, std::string>> Sequence(const ResultList& results) {
  std::vector<std::pair<std::string, std::string>> shown;
  for (const Row& row : JobRows(results)) {
    if (!row[0].empty()) shown.emplace_back(row[0], row[3]);
  }
  return shown;
}

const Row kBlank9(9, "");

TEST(ScheduleDetailFrame, AcceptedKeySetsTitlesAuditWidthsAndEndsReady) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#DAILY", ":", " J1", "END"}));
  fx.Run("S#4", " CPU1#DAILY ");
  EXPECT_EQ(fx.Results.ReportNumber, 4);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #4");
  EXPECT_EQ(fx.Results.LabRepTit2, "CPU1 # DAILY");
  EXPECT_EQ(fx.Results.Widths, (std::array<int, 9>{40, 60, 90, 130, 130, 70, 60, 40, 60}));
  EXPECT_EQ(fx.Panel.SearchText, "CPU1#DAILY");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report S#4:CPU1#DAILY"});
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.ReportPageShown, 1);
  EXPECT_GT(fx.Progress.Ticks, 0);
}

TEST(ScheduleDetailFrame, LongKeyPartsAreCutInTheTitleButFoundWhole) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE WORKSTATION12345678#SCHEDULENAME1234567",
      ":",
      " JOB",
      "END",
  }));
  fx.Run("S#4", "WORKSTATION12345678#SCHEDULENAME1234567");
  EXPECT_EQ(fx.Results.ReportNumber, 4);
  EXPECT_EQ(fx.Results.LabRepTit2, "WORKSTATION12345 # SCHEDULENAME1234");
  EXPECT_EQ(fx.Results.Header.Workstation, "WORKSTATION12345");
  EXPECT_EQ(fx.Results.Header.ScheduleName, "SCHEDULENAME1234");
  // A job without a workstation takes the cut workstation text.
  EXPECT_EQ(JobRows(fx.Results)[0][2], "WORKSTATION12345");
}

TEST(ScheduleDetailFrame, RejectedKeysChangeNothingButTheStatus) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#DAILY", "AT 0600", ":", " J1", "END"}));
  fx.Run("S#4", "CPU1#DAILY");
  const ResultList before = fx.Results;
  const auto auditBefore = fx.Audit->AuditTexts();
  const std::pair<const char*, const char*> cases[] = {
      {"", "No Text Entered - Please Check!"},
      {"DAILY", "Format = WorkstationName#ScheduleName - Please Check!"},
      {"#DAILY", "Invalid Text Length Entered - Please Check!"},
      {"CPU1#", "Invalid Text Length Entered - Please Check!"},
      {"cpu1#daily", "Invalid Character In Schedule Name - Please Check!"},
  };
  for (const auto& [search, status] : cases) {
    fx.Run("S#4", search);
    EXPECT_EQ(fx.Panel.StatusText, status) << search;
    EXPECT_EQ(AllCells(fx.Results), AllCells(before)) << search;
    EXPECT_EQ(fx.Results.LabRepTit2, "CPU1 # DAILY");
    EXPECT_EQ(fx.Results.Header.At, "0600");
    EXPECT_EQ(fx.Results.RunsCompleted, before.RunsCompleted);
    EXPECT_EQ(fx.Audit->AuditTexts(), auditBefore);
  }
}

TEST(ScheduleDetailFrame, NotFoundKeepsTheRowsButHasWrittenTitlesAuditAndEmptiedTheHeader) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#DAILY", "AT 0600", ":", " J1", "END"}));
  fx.Run("S#4", "CPU1#DAILY");
  fx.Run("S#1");
  const Rows listing = AllCells(fx.Results);
  const long long completed = fx.Results.RunsCompleted;
  fx.Run("S#4", "CPU9#MISSING");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
  EXPECT_EQ(AllCells(fx.Results), listing);
  EXPECT_EQ(fx.Results.ReportNumber, 1);
  EXPECT_EQ(fx.Results.RunsCompleted, completed);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #4");
  EXPECT_EQ(fx.Results.LabRepTit2, "CPU9 # MISSING");
  EXPECT_EQ(fx.Audit->AuditTexts().back(), "Run Report S#4:CPU9#MISSING");
  EXPECT_EQ(fx.Results.Header.At, "");
  EXPECT_EQ(fx.Results.Header.Workstation, "CPU9");
}

TEST(ScheduleLookup, TheWholeRestOfTheHeaderLineMustEqualTheKey) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#DAILY TIMEZONE X", ":", "END"}));
  fx.Run("S#4", "CPU1#DAILY");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
  fx.Run("S#4", "CPU1#DAIL");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
}

TEST(ScheduleLookup, FindsAScheduleOnTheFirstLine) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#FIRST", "AT 0100", ":", "END"}));
  fx.Run("S#4", "CPU1#FIRST");
  EXPECT_EQ(fx.Results.ReportNumber, 4);
  EXPECT_EQ(fx.Results.Header.At, "0100");
}

TEST(ScheduleLookup, TheFirstOfTwoEqualKeysWins) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#TWICE",
      "AT 0100",
      ":",
      "END",  //
      "SCHEDULE CPU1#TWICE",
      "AT 0200",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#TWICE");
  EXPECT_EQ(fx.Results.Header.At, "0100");
}

TEST(ScheduleLookup, ASecondHeaderInsideABlockIsNotFound) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#OUTER",
      "SCHEDULE CPU1#INNER",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#INNER");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
}

TEST(ScheduleLookup, FindsSchedulesAfterBlocksWithoutHeader) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#ONE",
      ":",
      "ENDOFDAY",
      "END",
      "END",  //
      "SCHEDULE CPU1#TWO",
      "AT 0200",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#TWO");
  EXPECT_EQ(fx.Results.Header.At, "0200");
}

TEST(ScheduleClauses, EachKindIsReadFromItsLine) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "  ON MO",
      "EXCEPT   HOLIDAYS  ",
      "AT 0600",
      "UNTIL 2300",
      "FOLLOWS CPU2#X.@",
      "PROMPT \"go?\"",
      "OPENS /tmp/a",
      "NEEDS 2 TAPES",
      "CARRYFORWARD",
      "PRIORITY 20",
      "LIMIT 5",
      "INORDER",
      "FREEDAYS HOL",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  const ScheduleHeader& h = fx.Results.Header;
  EXPECT_EQ(h.On, "MO");
  EXPECT_EQ(h.Except, "HOLIDAYS");
  EXPECT_EQ(h.At, "0600");
  EXPECT_EQ(h.Until, "2300");
  EXPECT_EQ(h.Follows, "CPU2#X.@");
  EXPECT_EQ(h.Prompts, "\"go?\"");
  EXPECT_EQ(h.Opens, "/tmp/a");
  EXPECT_EQ(h.Needs, "2 TAPES");
  EXPECT_EQ(h.CarryForward, "Yes");
  EXPECT_EQ(h.Priority, "20");
  EXPECT_EQ(h.Limit, "5");
  EXPECT_EQ(h.InOrder, "Yes");
  EXPECT_EQ(h.Freedays, "HOL");
}

TEST(ScheduleClauses, OnLinesJoinAndOtherKindsKeepTheLastLine) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "ON MO",
      "FOLLOWS A.@",
      "ON FR",
      "FOLLOWS B.@",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(fx.Results.Header.On, "MO,FR");
  EXPECT_EQ(fx.Results.Header.Follows, "B.@");
  EXPECT_EQ(fx.Results.Header.CarryForward, "No");
}

TEST(ScheduleClauses, ATrailingCommaContinuesOnTheNextLineUntested) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "FOLLOWS A.@,",
      "",
      "   B.@,",
      "* not a comment here",
      "ON MO,",
      "  TU",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(fx.Results.Header.Follows, "A.@,B.@,* not a comment here");
  EXPECT_EQ(fx.Results.Header.On, "MO,TU");
}

TEST(ScheduleClauses, CommentsBlankLinesAndUnknownLinesAreIgnored) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "* AT 0100",
      "",
      "   ",
      "DESCRIPTION \"x\"",
      "AT 0200",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(fx.Results.Header.At, "0200");
}

TEST(ScheduleClauses, AContinuationLineDoesNotEndTheClauses) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "FOLLOWS A.@,",
      ":",
      "AT 0300",
      ":",
      " J1",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(fx.Results.Header.Follows, "A.@,:");
  EXPECT_EQ(fx.Results.Header.At, "0300");
  EXPECT_EQ(Sequence(fx.Results),
            (std::vector<std::pair<std::string, std::string>>{{"001", "J1"}}));
}

TEST(ScheduleClauses, ContinuationAndMissingColonStopAtTheEndOfTheFile) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#S", "AT 0100", "FOLLOWS A.@,"}));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(fx.Results.ReportNumber, 4);
  EXPECT_EQ(fx.Results.Header.Follows, "A.@,");
  EXPECT_TRUE(JobRows(fx.Results).empty());
}

TEST(ScheduleJobs, JobLinesTakeTheirWorkstationOrTheSchedules) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " CPU3#BACKUP",
      " BACKUP",
      "CPU2# SPACED",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  const Rows jobs = JobRows(fx.Results);
  ASSERT_EQ(jobs.size(), 6u);
  EXPECT_EQ((Row{jobs[0][2], jobs[0][3]}), (Row{"CPU3", "BACKUP"}));
  EXPECT_EQ((Row{jobs[2][2], jobs[2][3]}), (Row{"CPU1", "BACKUP"}));
  EXPECT_EQ((Row{jobs[4][2], jobs[4][3]}), (Row{"CPU2", "SPACED"}));
}

TEST(ScheduleJobs, ClausesFillTheColumnsOfTheirJob) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " CPU1#J1",
      "   AT 0600",
      "   UNTIL 0900",
      "   EVERY 0030",
      "   PRIORITY 15",
      "   OPENS /data/in",
      "   PROMPT \"ready?\"",
      "   NEEDS 1 TAPE",
      "   ONUNTIL SUPPR",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(
      JobRows(fx.Results),
      (Rows{{"001", "0600/0900", "CPU1", "J1", "/data/in", "15", "1 TAPE", "0030", "\"ready?\""},
            kBlank9}));
}

TEST(ScheduleJobs, ConfirmedJobShowsConfirmationThenItsNeedsOneRowLower) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " CPU1#J1 CONFIRMED",
      "   NEEDS 1 TAPE,2 DISK",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(JobRows(fx.Results),
            (Rows{{"001", "----/----", "CPU1", "J1", "", "", "Confirmation", "", ""},
                  {"", "", "", "", "", "", "1 TAPE", "", ""},
                  {"", "", "", "", "", "", "2 DISK", "", ""},
                  kBlank9}));
}

TEST(ScheduleJobs, ConfirmedAloneOnALineAndTrailingOptionsOnClauseLines) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " CPU1#J1 PRIORITY 30",
      "   CONFIRMED",
      "   AT 0700 PRIORITY 40",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  const Row first = JobRows(fx.Results)[0];
  EXPECT_EQ(first[1], "0700/----");
  EXPECT_EQ(first[3], "J1");
  EXPECT_EQ(first[5], "3040");
  EXPECT_EQ(first[6], "Confirmation");
}

TEST(ScheduleJobs, DependenciesAreFollowsThenOpensItemByItem) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " J0",
      " J1",
      "   FOLLOWS J0,",
      "     CPU2#X.Y",
      "   OPENS /f1",
      "   PROMPT P1,P2,P3",
      " J2",
      "   OPENS /f2,/f3",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(JobRows(fx.Results), (Rows{{"001", "----/----", "CPU1", "J0", "", "", "", "", ""},
                                       kBlank9,
                                       {"001", "----/----", "CPU1", "J2", "/f2", "", "", "", ""},
                                       {"", "", "", "", "/f3", "", "", "", ""},
                                       kBlank9,
                                       {"002", "----/----", "CPU1", "J1", "J0", "", "", "", "P1"},
                                       {"", "", "", "", "CPU2#X.Y", "", "", "", "P2"},
                                       {"", "", "", "", "/f1", "", "", "", "P3"},
                                       kBlank9}));
}

TEST(ScheduleJobs, TwoClausesOfOneKindAreJoinedWithNothingBetween) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " J1",
      "   OPENS /a",
      "   OPENS /b",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  EXPECT_EQ(JobRows(fx.Results)[0][4], "/a/b");
}

TEST(ScheduleJobs, UnknownClauseAndBlankLinesBecomeJobsCommentsAndEmptyLinesDoNot) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      ":",
      " J1",
      "   DEADLINE 0800",
      "* J9",
      "",
      "   ",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  // The line of blanks opens a job with an empty name.
  EXPECT_EQ(Sequence(fx.Results), (std::vector<std::pair<std::string, std::string>>{
                                      {"001", "J1"}, {"001", "DEADLINE 0800"}, {"001", ""}}));
}

TEST(ScheduleJobs, EndStopsTheJobsAndAMissingEndStopsAtTheFileEnd) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#A",
      ":",
      " J1",
      "END",  //
      "SCHEDULE CPU1#B",
      ":",
      " J2",
      "   FOLLOWS J1,",
  }));
  fx.Run("S#4", "CPU1#A");
  EXPECT_EQ(Sequence(fx.Results),
            (std::vector<std::pair<std::string, std::string>>{{"001", "J1"}}));
  fx.Run("S#4", "CPU1#B");
  EXPECT_EQ(JobRows(fx.Results),
            (Rows{{"002", "----/----", "CPU1", "J2", "J1", "", "", "", ""}, kBlank9}));
}

TEST(ScheduleRows, ScheduleWithoutClausesOrJobs) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#S", ":", "END"}));
  fx.Run("S#4", "CPU1#S");
  const Rows expected{
      {"", "At/Until", "Workstation", "Schedule", "Follows", "On", "Except"},
      {"", "----/----", "CPU1", "S", "", "", ""},
      {"", "", "", "", "", "", ""},
      {"", "", "CarryForward", "No", "", "", ""},
      {"", "", "Priority", "--", "", "", ""},
      {"", "", "Limit", "--", "", "", ""},
      {"", "", "In Order", "--", "", "", ""},
      {"", "", "Freedays", "--", "", "", ""},
      {"", "", "", "", "", "", ""},
      {"", "", "Opens", "<None>"},
      {"", "", "", ""},
      {"", "", "Prompts", "<None>"},
      {"", "", "", ""},
      {"", "", "Needs", "<None>"},
      {"", "", "", ""},
      {"Seq.", "At/Until", "Workstation", "JobName", "Dependencies", "Priority", "Requires",
       "Every", "Prompt"},
      {"<END>"},
  };
  EXPECT_EQ(AllCells(fx.Results), expected);
  EXPECT_EQ(fx.Results.DetailHeaderLastRow, 14);
  EXPECT_EQ(fx.Results.DetailEndRow, 16);
}

TEST(ScheduleRows, ItemsSpreadOverRowsAndRunPastRowSeven) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "AT 0600,0700",
      "FOLLOWS A1.@, A2.@,A3.@,A4.@,A5.@,A6.@,A7.@,A8.@,A9.@",
      "ON MO, TU",
      "EXCEPT X",
      "PRIORITY 10",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  const Rows rows = AllCells(fx.Results);
  EXPECT_EQ(rows[1], (Row{"", "0600/----", "CPU1", "S", "A1.@", "MO", "X"}));
  EXPECT_EQ(rows[2], (Row{"", "0700", "", "", " A2.@", "TU", ""}));
  EXPECT_EQ(rows[4], (Row{"", "", "Priority", "10", "A4.@", "", ""}));
  EXPECT_EQ(rows[8], (Row{"", "", "", "", "A8.@", "", ""}));
  EXPECT_EQ(rows[9], (Row{"", "", "", "", "A9.@", "", ""}));
  EXPECT_EQ(rows[10], (Row{"", "", "", "", "", "", ""}));
  EXPECT_EQ(rows[11], (Row{"", "", "Opens", "<None>"}));
}

TEST(ScheduleRows, BlocksListEveryItemThenOneEmptyRow) {
  ReportFixture fx = Schedules(ExtractText({
      "SCHEDULE CPU1#S",
      "OPENS /a,/b",
      "NEEDS 1 TAPE",
      ":",
      "END",
  }));
  fx.Run("S#4", "CPU1#S");
  const Rows rows = AllCells(fx.Results);
  const Rows blocks(rows.begin() + 9, rows.begin() + 17);
  EXPECT_EQ(blocks, (Rows{{"", "", "Opens", "/a"},
                          {"", "", "", "/b"},
                          {"", "", "", ""},
                          {"", "", "Prompts", "<None>"},
                          {"", "", "", ""},
                          {"", "", "Needs", "1 TAPE"},
                          {"", "", "", ""},
                          {"Seq.", "At/Until", "Workstation", "JobName", "Dependencies", "Priority",
                           "Requires", "Every", "Prompt"}}));
  EXPECT_EQ(fx.Results.DetailHeaderLastRow, 15);
}

TEST(ScheduleRows, JobSectionEndsWithTheEndRow) {
  ReportFixture fx = Schedules(ExtractText({"SCHEDULE CPU1#S", ":", " J1", " J2", "END"}));
  fx.Run("S#4", "CPU1#S");
  const Rows section = JobSection(fx.Results);
  ASSERT_EQ(section.size(), 6u);
  EXPECT_EQ(section.back(), Row{"<END>"});
  EXPECT_EQ(fx.Results.DetailEndRow, static_cast<long long>(fx.Results.Rows.size()) - 1);
}

}  // namespace
}  // namespace vdbq
