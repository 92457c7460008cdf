#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/reports/dependency_path.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;

// Caption and sub-items of every row, "|"-separated, one row a line.
std::string RowsText(const ResultList& results) {
  std::string text;
  for (const ResultRow& row : results.Rows) {
    text += row.Caption;
    for (const std::string& item : row.SubItems) text += "|" + item;
    text += "\n";
  }
  return text;
}

// The rows that carry a position, as "caption key".
std::vector<std::string> PathRows(const ResultList& results) {
  std::vector<std::string> rows;
  for (size_t i = 1; i < results.Rows.size(); ++i) {
    const ResultRow& row = results.Rows[i];
    if (row.Caption.empty()) continue;
    rows.push_back(row.Caption + " " + row.Column(2) + "#" + row.Column(3));
  }
  return rows;
}

ReportFixture WithSchedules(const std::string& schedules) {
  return ReportFixture({{"Schedules.Xtract", schedules}});
}

const char* const kThreeOnAPath =
    "SCHEDULE C#S2\n"
    ":\n"
    "C#JOB1\n"
    " FOLLOWS A#S1.JOB1\n"
    "END\n"
    "SCHEDULE A#S1\n"
    "FOLLOWS B#S0.JOB9\n"
    ":\n"
    "A#JOB1\n"
    "END\n"
    "SCHEDULE B#S0\n"
    ":\n"
    "B#JOB9\n"
    "END\n";

TEST(DependencyPathReport, ShowsALoneScheduleWithHeadingAndOneBlankRow) {
  ReportFixture fx = WithSchedules("SCHEDULE A#S1\nON EVERYDAY\n:\nA#JOB1\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(RowsText(fx.Results),
            "Seq.|Workstation|Schedule|Schedule Follows|Job Follows\n"
            "001>|A|S1||\n"
            "||||\n");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
}

TEST(DependencyPathReport, PutsPredecessorsBeforeAndSuccessorsAfterTheSchedule) {
  ReportFixture fx = WithSchedules(kThreeOnAPath);
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(RowsText(fx.Results),
            "Seq.|Workstation|Schedule|Schedule Follows|Job Follows\n"
            "001|B|S0||\n"
            "||||\n"
            "002>|A|S1|B#S0.JOB9|\n"
            "||||\n"
            "003|C|S2||A#S1.JOB1\n"
            "||||\n");
}

TEST(DependencyPathReport, SetsTitlesWidthsNumberHintAndAuditLine) {
  ReportFixture fx = WithSchedules(kThreeOnAPath);
  fx.Results.Widths = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  fx.Run("S#5", "  A#S1 ");
  EXPECT_EQ(fx.Results.ReportNumber, 5);
  EXPECT_EQ(fx.Results.LabRepTit1, "Schedule Report - Option #5");
  EXPECT_EQ(fx.Results.LabRepTit2, "A # S1");
  EXPECT_EQ(fx.Results.Widths,
            (std::array<int, kResultColumns>{40, 100, 130, 200, 200, 6, 7, 8, 9}));
  EXPECT_EQ(fx.Audit->AuditTexts(), std::vector<std::string>{"Run Report S#5:A#S1"});
  EXPECT_EQ(fx.Panel.SearchText, "A#S1");
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
  EXPECT_TRUE(fx.Results.ResultsShown);
  EXPECT_EQ(fx.ReportPageShown, 1);
  EXPECT_GT(fx.Progress.Ticks, 0);
}

TEST(DependencyPathReport, CutsWorkstationAndNameTo16CharactersButSearchesTheWholeKey) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE WORKSTATION_ABCDEFG#SCHEDULE_NAME_LONGER\n:\nEND\n"
      "SCHEDULE WORKSTATION_ABCDEFG#SCHEDULE_NAME_LONG\n:\nEND\n");
  fx.Run("S#5", "WORKSTATION_ABCDEFG#SCHEDULE_NAME_LONGER");
  EXPECT_EQ(fx.Results.LabRepTit2, "WORKSTATION_ABCD # SCHEDULE_NAME_LO");
  ASSERT_GE(fx.Results.Rows.size(), 2u);
  EXPECT_EQ(fx.Results.Rows[1].Caption, "001>");
  EXPECT_EQ(fx.Results.Rows[1].Column(2), "WORKSTATION_ABCD");
  EXPECT_EQ(fx.Results.Rows[1].Column(3), "SCHEDULE_NAME_LO");
}

TEST(DependencyPathReport, NotFoundKeepsThePreviousRowsUnderReportNumber5) {
  ReportFixture fx = WithSchedules(kThreeOnAPath);
  fx.Run("S#3", "S");
  const std::string previousRows = RowsText(fx.Results);
  const long long completed = fx.Results.RunsCompleted;
  const int pagesShown = fx.ReportPageShown;
  fx.Run("S#5", "A#NOSUCH");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
  EXPECT_EQ(fx.Results.ReportNumber, 5);
  EXPECT_EQ(fx.Results.LabRepTit2, "A # NOSUCH");
  EXPECT_EQ(RowsText(fx.Results), previousRows);
  EXPECT_EQ(fx.Results.RunsCompleted, completed);
  EXPECT_EQ(fx.ReportPageShown, pagesShown);
  EXPECT_EQ(fx.Audit->AuditTexts().back(), "Run Report S#5:A#NOSUCH");
  // The drawing rules and the hint now follow report 5.
  EXPECT_EQ(fx.Panel.LabHint, "Click Row = Workstation#ScheduleName To ClipBoard");
}

TEST(DependencyPathReport, RejectedKeyChangesNothingButTheStatusText) {
  ReportFixture fx = WithSchedules(kThreeOnAPath);
  fx.Run("S#1");
  const std::string previousRows = RowsText(fx.Results);
  const size_t auditLines = fx.Audit->AuditTexts().size();
  for (const char* bad : {"S1", "#S1", "A#", "a#s1", ""}) {
    fx.Run("S#5", bad);
    EXPECT_EQ(fx.Results.ReportNumber, 1) << bad;
    EXPECT_EQ(RowsText(fx.Results), previousRows) << bad;
    EXPECT_EQ(fx.Audit->AuditTexts().size(), auditLines) << bad;
  }
  fx.Run("S#5", "S1");
  EXPECT_EQ(fx.Panel.StatusText, "Format = WorkstationName#ScheduleName - Please Check!");
}

TEST(DependencyPathReport, ShowsEachJobReferenceOnARowAndExaminesBothSchedules) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\n:\nA#JOB1\n FOLLOWS B#P1.J1,C#P2.J2\nEND\n"
      "SCHEDULE B#P1\n:\nB#J1\nEND\n"
      "SCHEDULE C#P2\n:\nC#J2\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(RowsText(fx.Results),
            "Seq.|Workstation|Schedule|Schedule Follows|Job Follows\n"
            "001|B|P1||\n"
            "||||\n"
            "002|C|P2||\n"
            "||||\n"
            "003>|A|S1||B#P1.J1\n"
            "||||C#P2.J2\n"
            "||||\n");
}

TEST(DependencyPathReport, CompletesAReferenceWithoutWorkstationFromTheNamingSchedule) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\nFOLLOWS S0.@\n:\nEND\n"
      "SCHEDULE A#S0\n:\nEND\n"
      "SCHEDULE B#S0\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001 A#S0", "002> A#S1"}));
  EXPECT_EQ(fx.Results.Rows[3].Column(4), "A#S0.@");
}

TEST(DependencyPathReport, MatchesDirectSuccessorsByNameOnAnyWorkstationLaterOnesByKey) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\n:\nEND\n"
      // Names S1 on another workstation: still taken as a successor of A#S1.
      "SCHEDULE B#N1\nFOLLOWS X#S1.JOB1\n:\nEND\n"
      // Names B#N1: a successor of a successor.
      "SCHEDULE C#N2\nFOLLOWS B#N1.@\n:\nEND\n"
      // Names N1 on another workstation: not a successor of B#N1.
      "SCHEDULE D#N3\nFOLLOWS Y#N1.@\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001> A#S1", "002 B#N1", "003 C#N2"}));
}

TEST(DependencyPathReport, StopsExaminingAFollowsListAtAnItemWithoutJob) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\nFOLLOWS B#P1.@,B#P2,B#P3.@\n:\nEND\n"
      "SCHEDULE B#P1\n:\nEND\n"
      "SCHEDULE B#P2\n:\nEND\n"
      "SCHEDULE B#P3\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001 B#P1", "002> A#S1"}));
  // The unexamined references are still shown.
  EXPECT_EQ(fx.Results.Rows[3].Column(4), "B#P1.@");
  EXPECT_EQ(fx.Results.Rows[4].Column(4), "B#P2");
  EXPECT_EQ(fx.Results.Rows[5].Column(4), "B#P3.@");
}

TEST(DependencyPathReport, ShowsReferencesToSchedulesTheExtractDoesNotHold) {
  ReportFixture fx = WithSchedules("SCHEDULE A#S1\nFOLLOWS Z#GONE.@\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), std::vector<std::string>{"001> A#S1"});
  EXPECT_EQ(fx.Results.Rows[1].Column(4), "Z#GONE.@");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
}

TEST(DependencyPathReport, EndsOnSchedulesThatFollowEachOtherInACycle) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\nFOLLOWS A#S2.@\n:\nEND\n"
      "SCHEDULE A#S2\nFOLLOWS A#S3.@\n:\nEND\n"
      "SCHEDULE A#S3\nFOLLOWS A#S1.@\n:\nEND\n");
  fx.Run("S#5", "A#S2");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
  EXPECT_EQ(PathRows(fx.Results).size(), 3u);
}

TEST(DependencyPathReport, ListsPathsLongerThan299Schedules) {
  std::string schedules = "SCHEDULE A#S0000\n:\nEND\n";
  for (int s = 1; s < 350; ++s) {
    char text[80];
    std::snprintf(text, sizeof text, "SCHEDULE A#S%04d\nFOLLOWS A#S%04d.@\n:\nEND\n", s, s - 1);
    schedules += text;
  }
  ReportFixture fx = WithSchedules(schedules);
  fx.Run("S#5", "A#S0175");
  const std::vector<std::string> rows = PathRows(fx.Results);
  ASSERT_EQ(rows.size(), 350u);
  EXPECT_EQ(rows.front(), "001 A#S0000");
  EXPECT_EQ(rows[175], "176> A#S0175");
  EXPECT_EQ(rows.back(), "350 A#S0349");
}

TEST(DependencyPathReport, FindsOnlyTheFirstScheduleOfABlock) {
  // No END between the two definitions: one block, whose first SCHEDULE line is A#S1.
  ReportFixture fx = WithSchedules("SCHEDULE A#S1\n:\nSCHEDULE A#S2\n:\nEND\n");
  fx.Run("S#5", "A#S2");
  EXPECT_EQ(fx.Panel.StatusText, "Schedule Not Found!");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(fx.Panel.StatusText, "Ready.");
}

TEST(DependencyPathReport, WalksOnAtTheScheduleLineThatEndedTheReading) {
  // U#OUTER lost its END line: its reading stops at U#INNER, which the walk then examines.
  ReportFixture fx = WithSchedules(
      "SCHEDULE U#S0\n:\nJ0\nEND\n"
      "SCHEDULE U#OUTER\nSCHEDULE U#INNER\nFOLLOWS U#S0.J0\n:\nJ1\nEND\n");
  fx.Run("S#5", "U#S0");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001> U#S0", "002 U#INNER"}));
  EXPECT_EQ(fx.Results.Rows[3].Column(4), "U#S0.J0");
}

TEST(DependencyPathReport, GoesOnAtTheNextBlockAfterAJobNamedEndSomething) {
  // ENDOFDAY starts a block of its own; the schedules after it are still found and walked.
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\n:\nENDOFDAY\n FOLLOWS B#S0.@\nEND\n"
      "SCHEDULE B#S0\n:\nEND\n"
      "SCHEDULE C#S2\nFOLLOWS A#S1.ENDOFDAY\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001 B#S0", "002> A#S1", "003 C#S2"}));
  fx.Run("S#5", "C#S2");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001 B#S0", "002 A#S1", "003> C#S2"}));
}

TEST(DependencyPathReport, ReadsAScheduleWithoutEndUpToTheEndOfTheList) {
  ReportFixture fx =
      WithSchedules("SCHEDULE B#S0\n:\nEND\nSCHEDULE A#S1\n:\nA#J1\n FOLLOWS B#S0.J,");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), (std::vector<std::string>{"001 B#S0", "002> A#S1"}));
  EXPECT_EQ(fx.Results.Rows[3].Column(5), "B#S0.J");
}

TEST(DependencyPathReport, DoesNotReadIntoTheNextScheduleWhenTheColonIsMissing) {
  ReportFixture fx = WithSchedules(
      "SCHEDULE A#S1\nON EVERYDAY\nEND\n"
      "SCHEDULE B#S2\nFOLLOWS Z#S9.@\n:\nEND\n"
      "SCHEDULE Z#S9\n:\nEND\n");
  fx.Run("S#5", "A#S1");
  EXPECT_EQ(PathRows(fx.Results), std::vector<std::string>{"001> A#S1"});
  EXPECT_EQ(fx.Results.Rows[1].Column(4), "");
}

TEST(DependencyPathReport, ListsTheSamplePathInDependencyOrder) {
  const char* sample = std::getenv("VARNOLTDBQ_SAMPLE_DB");
  if (sample == nullptr) GTEST_SKIP() << "no sample database";
  ExtractStore store;
  Catalogue catalogue;
  RefreshCatalogue(std::string(sample) + "/", store, catalogue);
  Progress progress;
  const std::optional<DependencyPath> path =
      FindDependencyPath(store, "HFFIN01#GL_POSTING", progress);
  ASSERT_TRUE(path.has_value());
  std::vector<std::string> keys;
  for (size_t e : path->Order) keys.push_back(path->Entries[e].Key);
  auto at = [&keys](const std::string& key) {
    return std::find(keys.begin(), keys.end(), key) - keys.begin();
  };
  ASSERT_LT(at("HFDWH01#DW_WEEKLY"), static_cast<long>(keys.size()));
  EXPECT_LT(at("HFERP01#ERP_EXPORT"), at("HFFIN01#GL_IMPORT"));
  EXPECT_LT(at("HFFIN01#GL_IMPORT"), at("HFFIN01#GL_POSTING"));
  EXPECT_LT(at("HFFIN01#GL_POSTING"), at("HFFIN02#FIN_REPORTS"));
  EXPECT_LT(at("HFFIN02#FIN_REPORTS"), at("HFDWH01#DW_NIGHTLY"));
  EXPECT_LT(at("HFDWH01#DW_NIGHTLY"), at("HFDWH01#DW_WEEKLY"));
}

}  // namespace
}  // namespace vdbq
