#include "core/reports/path_follows.h"

#include <gtest/gtest.h>

namespace vdbq {
namespace {

LineList Lines(std::string_view text) { return LineList(SplitLines(text)); }

FollowsRead HeaderOf(std::string_view text, std::string_view workstation = "CPU1") {
  const LineList lines = Lines(text);
  return ReadScheduleFollowsUpTo(lines, 0, lines.Count(), workstation);
}

FollowsRead JobsOf(std::string_view text, std::string_view workstation = "CPU1") {
  const LineList lines = Lines(text);
  return ReadJobFollowsUpTo(lines, 0, lines.Count(), workstation);
}

TEST(ReadScheduleFollows, TakesTheLastClauseAndStopsAfterTheColonLine) {
  const FollowsRead read = HeaderOf("ON EVERYDAY\nFOLLOWS A#X.@\nFOLLOWS B#Y.J1\n  :  \nA#JOB\n");
  EXPECT_EQ(read.Text, "B#Y.J1");
  EXPECT_EQ(read.NextLine, 4);
}

TEST(ReadScheduleFollows, RunsOnOverLinesAfterATrailingComma) {
  EXPECT_EQ(HeaderOf("FOLLOWS A#X.@,\n   B#Y.J1,\n\n  Z.J2\n:\n").Text, "A#X.@,B#Y.J1,CPU1#Z.J2");
}

TEST(ReadScheduleFollows, CompletesOnlyATextWithoutAnyHashInFront) {
  EXPECT_EQ(HeaderOf("FOLLOWS X.@\n:\n").Text, "CPU1#X.@");
  EXPECT_EQ(HeaderOf("FOLLOWS X.@,A#Y.@\n:\n").Text, "X.@,A#Y.@");
}

TEST(ReadScheduleFollows, SkipsCommentsAndTakesAnyLineBeginningWithFollows) {
  EXPECT_EQ(HeaderOf("* FOLLOWS A#X.@\n\t FOLLOWS B#Y.@\n:\n").Text, "");
  EXPECT_EQ(HeaderOf("FOLLOWSXA#Y.@\n:\n").Text, "A#Y.@");
  EXPECT_EQ(HeaderOf("  FOLLOWS A#Y.@\n:\n").Text, "A#Y.@");
}

TEST(ReadScheduleFollows, ColonLineClosesAClauseThatRunsOnIntoIt) {
  const FollowsRead read = HeaderOf("FOLLOWS A#X.@,\n:\nFOLLOWS B#Y.@\n");
  EXPECT_EQ(read.Text, "A#X.@,");
  EXPECT_EQ(read.NextLine, 2);
}

TEST(ReadScheduleFollows, StopsAtTheLimitWithoutAColon) {
  const LineList lines = Lines("FOLLOWS A#X.@\nEND\nSCHEDULE B#Y\nFOLLOWS C#Z.@\n:\n");
  const FollowsRead read = ReadScheduleFollowsUpTo(lines, 0, 2, "CPU1");
  EXPECT_EQ(read.Text, "A#X.@");
  EXPECT_EQ(read.NextLine, 2);
  EXPECT_EQ(ReadScheduleFollowsUpTo(lines, 0, 1000, "CPU1").Text, "C#Z.@");
}

TEST(ReadJobFollows, JoinsEveryJobClauseInFileOrder) {
  const FollowsRead read = JobsOf(
      "A#JOB1\n FOLLOWS B#S.J1\nA#JOB2\n FOLLOWS JOB1\n FOLLOWS C#T.J2,\n   D#U.@\nEND\nX\n");
  EXPECT_EQ(read.Text, "B#S.J1,CPU1#JOB1,C#T.J2,D#U.@");
  EXPECT_EQ(read.NextLine, 7);
}

TEST(ReadJobFollows, TakesConfirmedAndPriorityOff) {
  EXPECT_EQ(JobsOf(" FOLLOWS B#S.J1 CONFIRMED\n FOLLOWS C#T.J2 PRIORITY 10\nEND\n").Text,
            "B#S.J1,C#T.J2");
}

TEST(ReadJobFollows, NeedsABlankAfterFollowsAndEndsOnlyAtAnEndLine) {
  EXPECT_EQ(JobsOf("ENDOFDAY\n FOLLOWSX#Y.Z\n FOLLOWS B#S.J\n END \n FOLLOWS C#T.J\n").Text,
            "B#S.J");
}

TEST(ReadJobFollows, EndLineClosesAClauseThatRunsOnIntoIt) {
  const FollowsRead read = JobsOf(" FOLLOWS B#S.J,\nEND\n FOLLOWS C#T.J\n");
  EXPECT_EQ(read.Text, "B#S.J");
  EXPECT_EQ(read.NextLine, 2);
}

TEST(ReadJobFollows, ReadsToTheEndOfTheListWithoutAnEndLine) {
  const FollowsRead read = JobsOf(" FOLLOWS B#S.J,\n C#T.J,");
  EXPECT_EQ(read.Text, "B#S.J,C#T.J");
  EXPECT_EQ(read.NextLine, 2);
}

TEST(ReadPathFollows, KeepsOnlyJobReferencesHoldingAFullStop) {
  const LineList lines =
      Lines("SCHEDULE CPU1#S\nFOLLOWS A#X.@\n:\nJ1\n FOLLOWS J2\n FOLLOWS J0,B#Y.J\nEND\n");
  const PathFollows follows = ReadPathFollows(lines, 1, lines.Count(), "CPU1");
  EXPECT_EQ(follows.ScheduleFollows, "A#X.@");
  // The second clause holds a "#", so its first reference is not completed.
  EXPECT_EQ(follows.AllJobFollows, "CPU1#J2,J0,B#Y.J");
  EXPECT_EQ(follows.JobFollows, "B#Y.J");
}

TEST(ReferencesToJobs, KeepsItemsWithAFullStopInOrder) {
  EXPECT_EQ(ReferencesToJobs("A,B.C,,D.E,F"), "B.C,D.E");
  EXPECT_EQ(ReferencesToJobs(""), "");
}

TEST(Refers, FindsANameAsTheSchedulePartOfAReference) {
  EXPECT_TRUE(Refers("S1.JOB", "", "S1"));
  EXPECT_TRUE(Refers("A#S1.JOB", "", "S1"));
  EXPECT_TRUE(Refers("X.@,S1.JOB", "", "S1"));
  EXPECT_TRUE(Refers("", "B#T.J,A#S1.@", "A#S1"));
  EXPECT_TRUE(Refers("X.S1.J", "", "S1"));
}

TEST(Refers, IgnoresANameThatIsOnlyPartOfAnother) {
  EXPECT_FALSE(Refers("A#XS1.JOB", "", "S1"));
  EXPECT_FALSE(Refers("A#S10.JOB", "", "S1"));
  EXPECT_FALSE(Refers("A#S1", "", "S1"));
  EXPECT_FALSE(Refers("XA#S1.J", "", "A#S1"));
  EXPECT_FALSE(Refers("", "", "S1"));
}

}  // namespace
}  // namespace vdbq
