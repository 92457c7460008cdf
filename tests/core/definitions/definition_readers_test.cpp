#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/definitions/clause_walk.h"
#include "core/definitions/follows_clauses.h"
#include "core/definitions/follows_scan.h"

namespace vdbq {
namespace {

using Texts = std::vector<std::string>;

struct FollowsCase {
  const char* Name;
  const char* Lines;  // joined by "\n"
  const char* ScheduleFollows;
  long long HeaderNext;
  const char* JobFollows;
  long long JobsNext;
};

class FollowsTexts : public testing::TestWithParam<FollowsCase> {};

TEST_P(FollowsTexts, RunOnOverTheirLinesUpToTheLineThatClosesTheirPart) {
  const FollowsCase& c = GetParam();
  const LineList lines = LineList::FromText(c.Lines);
  long long ticks = 0;
  const FollowsRead header = ReadScheduleFollows(lines, 0, lines.Count(), "CPU1", [&] { ++ticks; });
  const FollowsRead jobs = ReadJobFollows(lines, header.NextLine, lines.Count(), "CPU1");
  EXPECT_EQ(header.Text, c.ScheduleFollows);
  EXPECT_EQ(header.NextLine, c.HeaderNext);
  EXPECT_EQ(ticks, header.NextLine);
  EXPECT_EQ(jobs.Text, c.JobFollows);
  EXPECT_EQ(jobs.NextLine, c.JobsNext);
}

INSTANTIATE_TEST_SUITE_P(
    Readers, FollowsTexts,
    testing::Values(
        FollowsCase{
            "TheLastHeaderClauseCountsAndBlankContinuationsStayBare",
            "FOLLOWS CPU2#OLD.@\n* FOLLOWS CPU3#C.@\nFOLLOWS S1.J1,\n\n CPU2#S2.J2,\n S3.J3\n"
            ":\n JOB\nEND",
            "CPU1#S1.J1,CPU2#S2.J2,CPU1#S3.J3", 7, "", 9},
        FollowsCase{"SevenLettersMakeAHeaderFollowsLine", "FOLLOWSX.J\n:\nEND", "CPU1#.J", 2, "",
                    3},
        FollowsCase{"TheColonClosesAClauseThatRunsOn", "FOLLOWS S1.J1,\n:\n J\nEND", "CPU1#S1.J1,",
                    2, "", 4},
        FollowsCase{"JobClausesLoseTheirOptionsAndOnlyTextsWithoutHashAreCompleted",
                    ":\n J1\n FOLLOWS A.X,B#S.Y CONFIRMED\n J2\n FOLLOWS C.Z,\n  D.W PRIORITY 10\n"
                    "END\nSCHEDULE CPU1#NEXT",
                    "", 1, "A.X,B#S.Y,CPU1#C.Z,CPU1#D.W", 7},
        FollowsCase{"EndClosesAJobClauseThatRunsOn", ":\n FOLLOWS A.X,\nEND\n FOLLOWS B.Y", "", 1,
                    "CPU1#A.X", 3},
        FollowsCase{"ADefinitionWithoutColonOrEndIsReadToTheLimit", "FOLLOWS A.X\nON EVERYDAY",
                    "CPU1#A.X", 2, "", 2}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Qualification, OnlyTheJobUsageRuleCompletesAnEmptyText) {
  const struct {
    const char* Text;
    Qualification Rule;
    const char* Appended;
  } rows[] = {{"", Qualification::kNonEmptyText, ""},
              {"", Qualification::kAnyText, "CPU1#"},
              {"A.J,B.K", Qualification::kNonEmptyText, "CPU1#A.J,B.K"},
              {"A.J,B.K", Qualification::kAnyText, "CPU1#A.J,B.K"},
              {"A.J,CPU2#B.K", Qualification::kNonEmptyText, "A.J,CPU2#B.K"},
              {"A.J,CPU2#B.K", Qualification::kAnyText, "A.J,CPU2#B.K"}};
  for (const auto& row : rows) {
    std::string out = "X,";
    AppendQualified(out, row.Text, "CPU1", row.Rule);
    EXPECT_EQ(out, std::string("X,") + row.Appended) << row.Text;
  }
}

TEST(JobOptions, AreCutAsSplitJobOptionsCutsThem) {
  for (const char* line :
       {"CPU1#JOB1 CONFIRMED", "CPU1#JOB1 PRIORITY 20", "CPU1#JOBCONFIRMED PRIORITY 5",
        "J CONFIRMED PRIORITY 5", "J PRIORITY 5 CONFIRMED", "J\tCONFIRMED",
        "CONFIRMED J PRIORITY 1", "PRIORITY 10", "JPRIORITY CONFIRMED", "J  PRIORITY",
        "FOLLOWS A.B CONFIRMED", "J1"}) {
    JobOptionState state{line, {}, {}};
    SplitJobOptions(state);
    EXPECT_EQ(WithoutJobOptions(line), state.CurrentLine) << line;
  }
}

TEST(ClauseItems, AreTrimmedNeverEmptyAndReadByTheirKind) {
  const struct {
    ClauseKind Kind;
    const char* Text;
    const char* Items;
  } rows[] = {{ClauseKind::kFollows, " A.J1 ,\tB#S.J2 CONFIRMED,, ", "A.J1|B#S.J2|"},
              {ClauseKind::kNeeds, "2 CPU1#TAPES, DISK ,", "CPU1#TAPES|DISK|"},
              {ClauseKind::kPrompt, "\"Go, now?\" , P1", "P1|"},
              {ClauseKind::kCalendar, "HOLIDAYS,,\tWEEKENDS\t", "HOLIDAYS|WEEKENDS|"}};
  for (const auto& row : rows) {
    std::string items;
    ForEachClauseItem(row.Text, row.Kind, [&](std::string_view item) { (items += item) += '|'; });
    EXPECT_EQ(items, row.Items) << row.Text;
  }
}

// What the graphs' and the check's readings see of one file, items as "h:" (header) or "j:".
struct GraphReading {
  std::string Items, Jobs;
  void Schedule(std::string_view, long long) {}
  void Job(std::string_view key) { (Jobs += key) += ' '; }
  void Item(std::string_view item, bool jobLevel) {
    ((Items += jobLevel ? "j:" : "h:") += item) += ' ';
  }
};
struct CheckReading {
  std::string Items, Jobs;
  void Schedule(std::string_view, long long) {}
  void Item(ClauseKind, std::string_view item, long long, bool inJobs) {
    ((Items += inJobs ? "j:" : "h:") += item) += ' ';
  }
  void Job(std::string_view text, long long) { (Jobs += text) += ' '; }
  void EndSchedule(long long) {}
};

TEST(ScheduleReadings, TheGraphsAndTheCheckDifferWhereTheyAreMeantTo) {
  const struct {
    const char* Lines;
    const char* GraphItems;
    const char* CheckItems;
    const char* GraphJobs;
    const char* CheckJobs;
  } rows[] = {// Any clause runs on in the graphs; only an item clause in the check.
              {"AT 0100,\nFOLLOWS A.J1\n:\n J1\nEND", "", "h:A.J1 ", "J1 ", "J1 "},
              // A blank line ends a running-on clause in the check only.
              {"FOLLOWS A.J1,\n\nB.J2\n:\nEND", "h:A.J1 h:B.J2 ", "h:A.J1 ", "", ""},
              // Both read on into a line that opens another clause; a SCRIPTNAME line is a job to
              // the graphs only.
              {":\n J1 CONFIRMED\n FOLLOWS A.J0,\n  NEEDS 1 R\n SCRIPTNAME x\nEND",
               "j:A.J0 j:NEEDS ", "j:A.J0 j:NEEDS ", "J1 SCRIPTNAME ", "J1 "},
              // The graphs trim TABs off "END".
              {":\n J1\nEND\t\n J2", "", "", "J1 ", "J1 END\t J2 "}};
  for (const auto& row : rows) {
    const LineList lines = LineList::FromText(std::string("SCHEDULE CPU1#S\n") + row.Lines);
    GraphReading graph;
    ScanSchedules(lines, 0, lines.Count(), graph);
    CheckReading check;
    WalkScheduleClauses(lines, check, [] {});
    EXPECT_EQ((Texts{graph.Items, check.Items, graph.Jobs, check.Jobs}),
              (Texts{row.GraphItems, row.CheckItems, row.GraphJobs, row.CheckJobs}))
        << row.Lines;
  }
}

TEST(JobClauseLines, TheGraphsTakeScriptnameAndStreamlogonLinesForJobs) {
  const struct {
    const char* Line;
    bool Listing, Graph;
  } rows[] = {{"SCRIPTNAME /x", true, false}, {"STREAMLOGON u", true, false},
              {"AT 0100", true, true},        {"CONFIRMED", true, true},
              {"ONUNTIL SUPPR", true, true},  {"CPU1#AT", false, false},
              {"CONFIRMED X", false, false},  {"", false, false}};
  for (const auto& row : rows) {
    EXPECT_EQ(IsJobClauseLine(row.Line, JobClauseKeywords::kListing), row.Listing) << row.Line;
    EXPECT_EQ(IsJobClauseLine(row.Line, JobClauseKeywords::kGraph), row.Graph) << row.Line;
  }
}

}  // namespace
}  // namespace vdbq
