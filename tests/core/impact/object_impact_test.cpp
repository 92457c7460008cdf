// What depends on an object: named cases of every kind on one small database, and the
// downstream schedules of generated databases against a breadth-first walk of the generator's
// own edges.

#include "core/impact/object_impact.h"

#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "support/report_fixture.h"

namespace vdbq {
namespace {

using Files = std::map<std::string, std::string>;

const Files& Database() {
  static const Files files{
      {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
      {"Schedules.Xtract",
       "SCHEDULE CPU1#DAILY\n"        // 1
       "ON WORK\n"                    // 2
       "EXCEPT FR,\n"                 // 3
       "  WORK +1 DAYS\n"             // 4
       "NEEDS 1 SLOTS\n"              // 5
       "PROMPT GO\n"                  // 6
       ":\n"                          // 7
       " CPU1#JOB1\n"                 // 8
       " CPU1#JOB2\n"                 // 9
       "   FOLLOWS JOB1\n"            // 10
       "END\n"                        // 11
       "SCHEDULE CPU1#LATER\n"        // 12
       "FOLLOWS CPU1#DAILY.JOB2\n"    // 13
       ":\n"                          // 14
       " CPU1#JOB3\n"                 // 15
       "END\n"                        // 16
       "SCHEDULE CPU1#LAST\n"         // 17
       "FOLLOWS LATER, CPU1#LATER\n"  // 18
       ":\n"                          // 19
       " JOB3\n"                      // 20
       "END\n"                        // 21
       "SCHEDULE CPU1#NEVER\n"        // 22
       "ON OLD\n"                     // 23
       ":\n"                          // 24
       "END\n"},
      {"Jobs.Xtract",
       "CPU1#JOB1 DOCOMMAND \"^BIN^/a\"\nCPU1#JOB2 DOCOMMAND \"b\"\nCPU1#JOB3 DOCOMMAND \"c\"\n"},
      {"Calendars.Xtract",
       "$CALENDAR\nWORK\t\"Work days\"\n  01/04/27\nOLD\t\"Old\"\n  01/04/20\n"},
      {"Parms.Xtract", "$PARM\nBIN \"/bin\"\n"},
      {"Prompts.Xtract", "$PROMPT\nGO \"Go?\"\n"},
      {"Resources.Xtract", "$RESOURCE\nCPU1#SLOTS\t   2\t\"Slots\"\n"},
  };
  return files;
}

struct NamedImpact {
  const char* Name;
  ObjectKind Kind;
  const char* Key;
  // "how key line", in order.
  std::vector<std::string> Direct;
  // "key steps", in order.
  std::vector<std::string> Downstream;
  // "rule file:line", in order.
  std::vector<std::string> Findings;
};

class ImpactOfObject : public ::testing::TestWithParam<NamedImpact> {};

TEST_P(ImpactOfObject, ListsUsersWaitersAndWhatARemovalBreaks) {
  const NamedImpact& expected = GetParam();
  testing::ReportFixture fixture(Database());
  Progress progress;
  LoadedFindingsCache loaded;
  const RemovalCheck check{loaded, CheckOptions{DayOf(2027, 1, 4)}};
  const ObjectImpact impact =
      ImpactOf(fixture.Store, fixture.Catalogue, expected.Kind, expected.Key, &check, progress);
  ASSERT_TRUE(impact.Exists);
  std::vector<std::string> direct, downstream, findings;
  for (const DirectUse& use : impact.Direct) {
    direct.push_back(std::string(use.How) + " " + use.Key + " " + std::to_string(use.Line.Value));
  }
  for (const DownstreamSchedule& s : impact.Downstream) {
    downstream.push_back(s.Key + " " + std::to_string(s.Steps));
  }
  for (const Finding& f : impact.CheckFindingsIfRemoved) {
    findings.push_back(f.Rule + " " + f.File + ":" + std::to_string(f.Line.Value));
  }
  EXPECT_EQ(direct, expected.Direct);
  EXPECT_EQ(downstream, expected.Downstream);
  EXPECT_EQ(findings, expected.Findings);
  // Asked again, the check of the database as loaded is the one kept.
  EXPECT_EQ(
      ImpactOf(fixture.Store, fixture.Catalogue, expected.Kind, expected.Key, &check, progress)
          .CheckFindingsIfRemoved.size(),
      findings.size());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, ImpactOfObject,
    ::testing::Values(
        NamedImpact{
            "Schedule",
            ObjectKind::Schedule,
            "CPU1#DAILY",
            {"FOLLOWS CPU1#LATER 13"},
            {"CPU1#LATER 1", "CPU1#LAST 2"},
            {"unused-calendar Calendars.Xtract:2", "unscheduled-job Jobs.Xtract:1",
             "unscheduled-job Jobs.Xtract:2", "unused-prompt Prompts.Xtract:2",
             "unused-resource Resources.Xtract:2", "undefined-schedule Schedules.Xtract:13"}},
        NamedImpact{"JobHeldAndFollowed",
                    ObjectKind::Job,
                    "CPU1#JOB2",
                    {"job line CPU1#DAILY 9", "FOLLOWS CPU1#LATER 13"},
                    {"CPU1#DAILY 1", "CPU1#LATER 1", "CPU1#LAST 2"},
                    {"undefined-job Schedules.Xtract:9"}},
        NamedImpact{"JobFollowedInItsScheduleUsingAParameter",
                    ObjectKind::Job,
                    "CPU1#JOB1",
                    {"job line CPU1#DAILY 8", "FOLLOWS CPU1#DAILY 10"},
                    {"CPU1#DAILY 1", "CPU1#LATER 2", "CPU1#LAST 3"},
                    {"unused-parameter Parms.Xtract:2", "undefined-job Schedules.Xtract:8"}},
        NamedImpact{"JobInTwoSchedules",
                    ObjectKind::Job,
                    "CPU1#JOB3",
                    {"job line CPU1#LATER 15", "job line CPU1#LAST 20"},
                    {"CPU1#LAST 1", "CPU1#LATER 1"},
                    {"undefined-job Schedules.Xtract:15", "undefined-job Schedules.Xtract:20"}},
        NamedImpact{
            "CalendarOnAndContinuedExcept",
            ObjectKind::Calendar,
            "WORK",
            {"ON CPU1#DAILY 2", "EXCEPT CPU1#DAILY 4"},
            {"CPU1#DAILY 1", "CPU1#LATER 2", "CPU1#LAST 3"},
            {"undefined-calendar Schedules.Xtract:2", "undefined-calendar Schedules.Xtract:4"}},
        NamedImpact{"ResourceNamedWithoutWorkstation",
                    ObjectKind::Resource,
                    "CPU1#SLOTS",
                    {"NEEDS CPU1#DAILY 5"},
                    {"CPU1#DAILY 1", "CPU1#LATER 2", "CPU1#LAST 3"},
                    {"undefined-resource Schedules.Xtract:5"}},
        NamedImpact{"Prompt",
                    ObjectKind::Prompt,
                    "GO",
                    {"PROMPT CPU1#DAILY 6"},
                    {"CPU1#DAILY 1", "CPU1#LATER 2", "CPU1#LAST 3"},
                    {"undefined-prompt Schedules.Xtract:6"}},
        NamedImpact{"ParameterThroughItsJob",
                    ObjectKind::Parameter,
                    "BIN",
                    {"command CPU1#JOB1 1"},
                    {"CPU1#DAILY 2", "CPU1#LATER 3", "CPU1#LAST 4"},
                    {}},
        // Its never-runs finding goes with it; the calendar it ran on is left unused.
        NamedImpact{"ScheduleThatNeverRuns",
                    ObjectKind::Schedule,
                    "CPU1#NEVER",
                    {},
                    {},
                    {"unused-calendar Calendars.Xtract:4"}}),
    [](const auto& info) { return info.param.Name; });

TEST(ImpactOfObject, TellsAnObjectTheExtractsDoNotDefine) {
  testing::ReportFixture fixture(Database());
  Progress progress;
  for (const auto& [kind, key] :
       std::vector<std::pair<ObjectKind, const char*>>{{ObjectKind::Schedule, "CPU1#LATE"},
                                                       {ObjectKind::Job, "CPU1#JOB"},
                                                       {ObjectKind::Calendar, "WOR"},
                                                       {ObjectKind::Workstation, "CPU1"}}) {
    EXPECT_FALSE(ImpactOf(fixture.Store, fixture.Catalogue, kind, key, nullptr, progress).Exists)
        << key;
  }
}

// A database of schedules that follow each other at random (cycles included), by schedule and
// by job clauses, some on the calendar; its edges kept as the generator made them.
struct RandomSchedules {
  Files Extracts;
  std::vector<std::set<int>> WaitingFor;  // WaitingFor[p]: the schedules that follow p
  std::set<int> OnCalendar;

  explicit RandomSchedules(unsigned seed) {
    std::mt19937 random(seed);
    const int count = 3 + static_cast<int>(random() % 40);
    WaitingFor.resize(static_cast<size_t>(count));
    std::string schedules;
    for (int s = 0; s < count; ++s) {
      schedules += "SCHEDULE CPU1#S" + std::to_string(s) + "\n";
      if (random() % 4 == 0) {
        schedules += "ON CAL\n";
        OnCalendar.insert(s);
      }
      auto follow = [&](bool inJobs) {
        const int p = static_cast<int>(random() % static_cast<unsigned>(count));
        const std::string name = (random() % 2 ? "CPU1#S" : "S") + std::to_string(p);
        schedules += (inJobs ? "  FOLLOWS " : "FOLLOWS ") + name + (inJobs ? ".J1\n" : "\n");
        if (p != s) WaitingFor[static_cast<size_t>(p)].insert(s);
      };
      for (unsigned k = random() % 3; k > 0; --k) follow(false);
      schedules += ":\nCPU1#J1\n";
      for (unsigned k = random() % 2; k > 0; --k) follow(true);
      schedules += "END\n";
    }
    Extracts = {{"Cpus.Xtract", "CPUNAME CPU1\nEND\n"},
                {"Schedules.Xtract", schedules},
                {"Jobs.Xtract", "CPU1#J1 DOCOMMAND \"x\"\n"},
                {"Calendars.Xtract", "$CALENDAR\nCAL\t\"c\"\n"},
                {"Parms.Xtract", "$PARM\n"},
                {"Prompts.Xtract", "$PROMPT\n"},
                {"Resources.Xtract", "$RESOURCE\n"}};
  }

  // Every schedule reachable from the seeds, with its fewest steps.
  std::map<std::string, int> Reached(const std::map<int, int>& seeds, int root) const {
    std::map<int, int> steps;
    std::deque<int> queue;
    for (const auto& [node, step] : seeds) {
      steps[node] = step;
      queue.push_back(node);
    }
    while (!queue.empty()) {
      const int p = queue.front();
      queue.pop_front();
      for (int s : WaitingFor[static_cast<size_t>(p)]) {
        if (steps.contains(s)) continue;
        steps[s] = steps[p] + 1;
        queue.push_back(s);
      }
    }
    std::map<std::string, int> byKey;
    for (const auto& [node, step] : steps) {
      if (node != root) byKey["CPU1#S" + std::to_string(node)] = step;
    }
    return byKey;
  }
};

std::map<std::string, int> DownstreamOf(const ObjectImpact& impact) {
  std::map<std::string, int> byKey;
  int lastSteps = 0;
  for (const DownstreamSchedule& s : impact.Downstream) {
    EXPECT_GE(s.Steps, lastSteps) << s.Key;  // listed by steps
    lastSteps = s.Steps;
    byKey[s.Key] = s.Steps;
  }
  return byKey;
}

class RandomDownstream : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomDownstream, IsTheBreadthFirstWalkOfTheEdges) {
  const RandomSchedules database(GetParam());
  testing::ReportFixture fixture(database.Extracts);
  Progress progress;
  const int count = static_cast<int>(database.WaitingFor.size());
  for (int root = 0; root < count; ++root) {
    const ObjectImpact impact = ImpactOf(fixture.Store, fixture.Catalogue, ObjectKind::Schedule,
                                         "CPU1#S" + std::to_string(root), nullptr, progress);
    EXPECT_EQ(DownstreamOf(impact), database.Reached({{root, 0}}, root)) << root;
    std::set<std::string> users;
    for (const DirectUse& use : impact.Direct) users.insert(use.Key);
    std::set<std::string> expectedUsers;
    for (int s : database.WaitingFor[static_cast<size_t>(root)]) {
      expectedUsers.insert("CPU1#S" + std::to_string(s));
    }
    EXPECT_EQ(users, expectedUsers) << root;
  }
  std::map<int, int> users;
  for (int s : database.OnCalendar) users[s] = 1;
  const ObjectImpact calendar =
      ImpactOf(fixture.Store, fixture.Catalogue, ObjectKind::Calendar, "CAL", nullptr, progress);
  EXPECT_EQ(DownstreamOf(calendar), database.Reached(users, -1));
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomDownstream, ::testing::Range(1U, 21U));

}  // namespace
}  // namespace vdbq
