#include "core/reports/job_usage_report.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::CountingProgress;

TEST(ScheduleReaders, CollectJobKeysFollowsClausesAndTheEntriesNamingAJob) {
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
  // A hash anywhere leaves a FOLLOWS line as written; the list may lack END.
  EXPECT_EQ(
      ReadScheduleJobs(LineList({"   FOLLOWS A,CPU2#B", "END"}), 0, "CPU1", progress).Dependencies,
      "A,CPU2#B,");
  const ScheduleJobs unended =
      ReadScheduleJobs(LineList({" JOB1", "   FOLLOWS JOB0,"}), 0, "CPU1", progress);
  EXPECT_EQ(std::tie(unended.Jobs, unended.Dependencies, unended.NextLine),
            std::make_tuple("CPU1#JOB1,", "CPU1#JOB0,,", 2));
  // An entry names a job whole or as the tail after "#" or ".".
  const std::tuple<const char*, const char*, bool> entries[] = {
      {"LOAD", "LOAD", true},          {"CPU1#LOAD", "LOAD", true},
      {"CPU1#S.LOAD", "LOAD", true},   {"CPU2#S.CPU1#LOAD", "CPU1#LOAD", true},
      {"CPU1#PRELOAD", "LOAD", false}, {"XCPU1#LOAD", "CPU1#LOAD", false},
      {"OAD", "LOAD", false},          {"CPU1#LOADER", "LOAD", false}};
  for (const auto& [entry, job, names] : entries)
    EXPECT_EQ(EntryNamesJob(entry, job), names) << entry;
}

}  // namespace
}  // namespace vdbq
