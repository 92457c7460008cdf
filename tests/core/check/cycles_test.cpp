// Schedule and job cycles of one, two and many members: one finding per cycle, its members in
// order, each waiting for (or following) the next.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/check/check_database.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

// A schedule on CPU1 whose header FOLLOWS `follows` (none when empty), with one job of its own.
std::string Schedule(const std::string& name, const std::string& follows) {
  return "SCHEDULE CPU1#" + name + "\n" + (follows.empty() ? "" : "FOLLOWS " + follows + "\n") +
         ":\n CPU1#" + name + "_JOB\nEND\n";
}

// One schedule whose jobs follow as given: job name, then the jobs it follows.
std::string JobsSchedule(const std::vector<std::pair<std::string, std::string>>& jobs) {
  std::string text = "SCHEDULE CPU1#JOBS\n:\n";
  for (const auto& [job, follows] : jobs) {
    text += " CPU1#" + job + "\n";
    if (!follows.empty()) text += "   FOLLOWS " + follows + "\n";
  }
  return text + "END\n";
}

std::vector<std::string> CycleMessages(const std::string& schedules) {
  std::string jobs;
  for (size_t at = schedules.find(" CPU1#"); at != std::string::npos;
       at = schedules.find(" CPU1#", at + 1)) {
    const size_t end = schedules.find('\n', at);
    jobs += schedules.substr(at + 1, end - at - 1) + " DOCOMMAND \"x\"\n";
  }
  testing::ReportFixture fixture({{"Cpus.Xtract", "CPUNAME CPU1\nEND\n"},
                                  {"Schedules.Xtract", schedules},
                                  {"Jobs.Xtract", jobs}});
  Progress progress;
  std::vector<std::string> messages;
  for (const Finding& f :
       CheckDatabase(fixture.Store, fixture.Catalogue, CheckOptions{DayOf(2027, 1, 4)}, progress)) {
    if (f.Rule == "schedule-cycle" || f.Rule == "job-cycle") {
      messages.push_back(f.Rule + " line " + std::to_string(f.Line.Value) + ": " + f.Message);
    }
  }
  return messages;
}

struct CycleCase {
  const char* Name;
  std::string Schedules;
  std::vector<std::string> Expected;
};

class Cycles : public ::testing::TestWithParam<CycleCase> {};

TEST_P(Cycles, OneFindingPerCycleWithItsMembersInOrder) {
  EXPECT_EQ(CycleMessages(GetParam().Schedules), GetParam().Expected);
}

const std::string kPrefix = "Schedules wait for each other in a cycle (each waits for the next): ";
const std::string kJobPrefix = "Jobs follow each other in a cycle (each follows the next): ";

INSTANTIATE_TEST_SUITE_P(
    OneTwoMany, Cycles,
    ::testing::Values(
        CycleCase{"ScheduleOfOne",
                  Schedule("A", "A.@"),
                  {"schedule-cycle line 2: Schedule CPU1#A waits for itself"}},
        CycleCase{"ScheduleOfTwo",
                  Schedule("A", "CPU1#B.@") + Schedule("B", "A.A_JOB"),
                  {"schedule-cycle line 2: " + kPrefix + "CPU1#A -> CPU1#B -> CPU1#A"}},
        // D waits for C, C for B, B for A, A for D; found from the smallest key, A.
        CycleCase{"ScheduleOfFour",
                  Schedule("D", "C.@") + Schedule("A", "D.@") + Schedule("C", "B.@") +
                      Schedule("B", "A.@"),
                  {"schedule-cycle line 7: " + kPrefix +
                   "CPU1#A -> CPU1#D -> CPU1#C -> CPU1#B -> CPU1#A"}},
        CycleCase{"TwoSeparateCyclesAndAChain",
                  Schedule("A", "B.@") + Schedule("B", "A.@") + Schedule("X", "Y.@") +
                      Schedule("Y", "X.@") + Schedule("Z", "X.@"),
                  {"schedule-cycle line 2: " + kPrefix + "CPU1#A -> CPU1#B -> CPU1#A",
                   "schedule-cycle line 12: " + kPrefix + "CPU1#X -> CPU1#Y -> CPU1#X"}},
        // A waits for B, then C; both wait for D, D for A. The first way round is by B; C is
        // then in a cycle of its own start.
        CycleCase{"TwoWaysRound",
                  Schedule("A", "B.@,C.@") + Schedule("B", "D.@") + Schedule("C", "D.@") +
                      Schedule("D", "A.@"),
                  {"schedule-cycle line 2: " + kPrefix + "CPU1#A -> CPU1#B -> CPU1#D -> CPU1#A",
                   "schedule-cycle line 12: " + kPrefix + "CPU1#C -> CPU1#D -> CPU1#A -> CPU1#C"}},
        // A waits for B and C, both for A: the search from A stops at the first way back.
        CycleCase{"FirstWayBackEndsTheSearch",
                  Schedule("A", "B.@,C.@") + Schedule("B", "A.@") + Schedule("C", "A.@"),
                  {"schedule-cycle line 2: " + kPrefix + "CPU1#A -> CPU1#B -> CPU1#A",
                   "schedule-cycle line 12: " + kPrefix + "CPU1#C -> CPU1#A -> CPU1#C"}},
        // C waits for B too: A's wait keeps the line of A's FOLLOWS.
        CycleCase{"AnotherWaitsForTheSame",
                  Schedule("A", "B.@") + Schedule("C", "B.@") + Schedule("B", "A.@"),
                  {"schedule-cycle line 2: " + kPrefix + "CPU1#A -> CPU1#B -> CPU1#A"}},
        CycleCase{"ChainWithoutCycle",
                  Schedule("A", "") + Schedule("B", "A.@") + Schedule("C", "B.@,A.A_JOB"),
                  {}},
        CycleCase{"JobOfOne",
                  JobsSchedule({{"J1", "J1"}}),
                  {"job-cycle line 4: Job CPU1#J1 follows itself"}},
        // J2 names its own schedule: the same job graph.
        CycleCase{"JobsOfTwo",
                  JobsSchedule({{"J1", "J2"}, {"J2", "JOBS.J1"}}),
                  {"job-cycle line 4: " + kJobPrefix + "CPU1#J1 -> CPU1#J2 -> CPU1#J1"}},
        CycleCase{"JobsOfThreeAfterAFreeOne",
                  JobsSchedule({{"J0", ""}, {"J1", "J3"}, {"J2", "J1,J0"}, {"J3", "J2"}}),
                  {"job-cycle line 5: " + kJobPrefix + "CPU1#J1 -> CPU1#J3 -> CPU1#J2 -> CPU1#J1"}},
        CycleCase{"JobsInOrder", JobsSchedule({{"J1", ""}, {"J2", "J1"}, {"J3", "J1,J2"}}), {}}),
    [](const ::testing::TestParamInfo<CycleCase>& info) { return info.param.Name; });

}  // namespace
}  // namespace vdbq
