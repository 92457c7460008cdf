// Each rule on a small database that holds exactly its fault, and on one that holds none.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/check/check_database.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using Files = std::map<std::string, std::string>;

const Files& CleanDatabase() {
  static const Files files{
      {"Cpus.Xtract", "CPUNAME CPU1\nOS UNIX\nEND\n"},
      {"Schedules.Xtract",
       "SCHEDULE CPU1#DAILY\n"  // 1
       "ON WORK\n"              // 2
       "NEEDS 1 SLOTS\n"        // 3
       "PROMPT GO\n"            // 4
       ":\n"                    // 5
       " CPU1#JOB1\n"           // 6
       " CPU1#JOB2\n"           // 7
       "   FOLLOWS JOB1\n"      // 8
       "END\n"                  // 9
       "SCHEDULE CPU1#LATER\n"  // 10
       "FOLLOWS CPU1#DAILY.JOB2\n"
       ":\n"
       " CPU1#JOB3\n"
       "END\n"},
      {"Jobs.Xtract",
       "CPU1#JOB1 DOCOMMAND \"^BIN^/a\"\nCPU1#JOB2 DOCOMMAND \"b\"\nCPU1#JOB3 DOCOMMAND \"c\"\n"},
      {"Calendars.Xtract", "$CALENDAR\nWORK\t\"Work days\"\n  01/04/27\n"},
      {"Parms.Xtract", "$PARM\nBIN \"/bin\"\n"},
      {"Prompts.Xtract", "$PROMPT\nGO \"Go?\"\n"},
      {"Resources.Xtract", "$RESOURCE\nCPU1#SLOTS\t   2\t\"Slots\"\n"},
  };
  return files;
}

// The clean database with one text of one file replaced.
Files WithFault(const std::string& file, const std::string& from, const std::string& to) {
  Files files = CleanDatabase();
  std::string& text = files[file];
  const size_t at = text.find(from);
  if (at == std::string::npos) throw std::invalid_argument("no " + from + " in " + file);
  text.replace(at, from.size(), to);
  return files;
}

// The clean database's one calendar date lies 30 days after this today, the nearest it may lie
// without ending soon.
const DayNumber kToday = DayOf(2026, 12, 5);

std::vector<Finding> Check(const Files& files, DayNumber today = kToday) {
  testing::ReportFixture fixture(files);
  Progress progress;
  return CheckDatabase(fixture.Store, fixture.Catalogue, CheckOptions{today}, progress);
}

std::string Describe(const std::vector<Finding>& findings) {
  std::string text;
  for (const Finding& f : findings) {
    text += f.Rule + " " + KindName(f.Kind) + " " + f.Key + " " + f.File + ":" +
            std::to_string(f.Line.Value) + " " + f.Message + "\n";
  }
  return text;
}

TEST(CheckRules, CleanDatabaseHasNoFindings) { EXPECT_EQ(Describe(Check(CleanDatabase())), ""); }

struct FaultCase {
  const char* Rule;
  const char* File;  // where the fault is planted, and where the finding points
  const char* From;
  const char* To;
  const char* Kind;  // what the one finding says
  const char* Key;
  long long Line;
};

class OneFault : public ::testing::TestWithParam<FaultCase> {};

TEST_P(OneFault, GivesExactlyItsFinding) {
  const FaultCase& c = GetParam();
  const std::vector<Finding> findings = Check(WithFault(c.File, c.From, c.To));
  ASSERT_EQ(findings.size(), 1u) << Describe(findings);
  const Finding& f = findings[0];
  EXPECT_EQ(f.Rule, c.Rule);
  EXPECT_EQ(f.Severity, FindRule(c.Rule)->Severity);
  EXPECT_STREQ(KindName(f.Kind), c.Kind);
  EXPECT_EQ(f.Key, c.Key);
  EXPECT_EQ(f.File, c.File);
  EXPECT_EQ(f.Line.Value, c.Line);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRule, OneFault,
    ::testing::Values(
        FaultCase{"undefined-workstation", "Schedules.Xtract", "CPU1#LATER", "CPU9#LATER",
                  "schedule", "CPU9#LATER", 10},
        FaultCase{"undefined-schedule", "Schedules.Xtract", "CPU1#DAILY.JOB2", "CPU1#GONE.JOB2",
                  "schedule", "CPU1#LATER", 11},
        FaultCase{"undefined-job-in-schedule", "Schedules.Xtract", "DAILY.JOB2", "DAILY.JOB9",
                  "schedule", "CPU1#LATER", 11},
        // A job's own FOLLOWS without "." names a job of the same schedule.
        FaultCase{"undefined-job-in-schedule", "Schedules.Xtract", "FOLLOWS JOB1",
                  "FOLLOWS JOB1,JOB7", "schedule", "CPU1#DAILY", 8},
        FaultCase{"undefined-job", "Schedules.Xtract", " CPU1#JOB3\n", " CPU1#JOB3\n JOB8\n",
                  "schedule", "CPU1#LATER", 14},
        FaultCase{"undefined-calendar", "Schedules.Xtract", "ON WORK", "ON WORK, NOCAL +1 DAYS",
                  "schedule", "CPU1#DAILY", 2},
        FaultCase{"undefined-resource", "Schedules.Xtract", "NEEDS 1 SLOTS",
                  "NEEDS 1 SLOTS,2 DISKS", "schedule", "CPU1#DAILY", 3},
        FaultCase{"undefined-prompt", "Schedules.Xtract", "PROMPT GO", "PROMPT GO,NOGO", "schedule",
                  "CPU1#DAILY", 4},
        FaultCase{"schedule-cycle", "Schedules.Xtract", "PROMPT GO\n",
                  "PROMPT GO\nFOLLOWS CPU1#LATER.@\n", "schedule", "CPU1#DAILY", 5},
        FaultCase{"job-cycle", "Schedules.Xtract", " CPU1#JOB1\n", " CPU1#JOB1\n   FOLLOWS JOB2\n",
                  "schedule", "CPU1#DAILY", 7},
        FaultCase{"duplicate-definition", "Parms.Xtract", "BIN \"/bin\"\n",
                  "BIN \"/bin\"\nBIN \"/usr/bin\"\n", "parameter", "BIN", 3},
        FaultCase{"duplicate-definition", "Calendars.Xtract", "  01/04/27\n",
                  "  01/04/27\nWORK\t\"Again\"\n", "calendar", "WORK", 4},
        FaultCase{"duplicate-definition", "Jobs.Xtract", "CPU1#JOB3 DOCOMMAND \"c\"\n",
                  "CPU1#JOB3 DOCOMMAND \"c\"\nCPU1#JOB3 DOCOMMAND \"d\"\n", "job", "CPU1#JOB3", 4},
        FaultCase{"unscheduled-job", "Jobs.Xtract", "CPU1#JOB3 DOCOMMAND \"c\"\n",
                  "CPU1#JOB3 DOCOMMAND \"c\"\nCPU1#JOB4 DOCOMMAND \"d\"\n", "job", "CPU1#JOB4", 4},
        FaultCase{"unused-calendar", "Calendars.Xtract", "  01/04/27\n",
                  "  01/04/27\nSPARE\t\"Spare\"\n  01/01/28\n", "calendar", "SPARE", 4},
        FaultCase{"unused-resource", "Resources.Xtract", "\"Slots\"\n",
                  "\"Slots\"\nCPU1#TAPE\t   1\t\"Tape\"\n", "resource", "CPU1#TAPE", 3},
        FaultCase{"unused-prompt", "Prompts.Xtract", "\"Go?\"\n", "\"Go?\"\nLATE \"Late?\"\n",
                  "prompt", "LATE", 3},
        FaultCase{"unused-parameter", "Parms.Xtract", "\"/bin\"\n", "\"/bin\"\nTMP \"/tmp\"\n",
                  "parameter", "TMP", 3}));

// The run-day rules at their edges, counted from kToday: a year is the 365 days from today
// (2026-12-05 to 2027-12-04), a calendar ends soon when its last date is less than 30 days on.
struct RunDayCase {
  const char* Name;
  const char* File;
  const char* From;
  const char* To;
  const char* Findings;    // as Describe gives them
  int DaysAfterToday = 0;  // the check's today
};

class RunDayRule : public ::testing::TestWithParam<RunDayCase> {};

TEST_P(RunDayRule, FindsExactly) {
  const RunDayCase& c = GetParam();
  EXPECT_EQ(Describe(Check(WithFault(c.File, c.From, c.To), kToday + c.DaysAfterToday)),
            c.Findings);
}

constexpr const char* kCalendarLine = "  01/04/27\n";
constexpr const char* kLastSchedule = " CPU1#JOB3\nEND\n";

INSTANTIATE_TEST_SUITE_P(
    Edges, RunDayRule,
    ::testing::Values(
        RunDayCase{"RunDay364DaysOn", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\nSCHEDULE CPU1#ONCE\nON 12/04/27\nEND\n", ""},
        RunDayCase{"RunDay365DaysOn", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\nSCHEDULE CPU1#ONCE\nON 12/05/27\nEND\n",
                   "never-runs schedule CPU1#ONCE Schedules.Xtract:15 Schedule CPU1#ONCE has no "
                   "run day in the 365 days from 2026-12-05\n"},
        RunDayCase{"RequestOnly", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\nSCHEDULE CPU1#ASKED\non request\nEND\n", ""},
        RunDayCase{"ExceptTakesEveryDay", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\nSCHEDULE CPU1#NONE\nON SA\nEXCEPT WEEKDAYS,SA\nEND\n",
                   "never-runs schedule CPU1#NONE Schedules.Xtract:15 Schedule CPU1#NONE has no "
                   "run day in the 365 days from 2026-12-05\n"},
        // The missing calendar is the finding; defining it makes the schedule run.
        RunDayCase{"OnlyAnUndefinedCalendar", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\nSCHEDULE CPU1#LOST\nON NOCAL\nEND\n",
                   "undefined-calendar schedule CPU1#LOST Schedules.Xtract:16 Calendar NOCAL is "
                   "not defined in Calendars.Xtract\n"},
        RunDayCase{"LastDate29DaysOn", "Calendars.Xtract", kCalendarLine, "  01/03/27\n",
                   "calendar-ends calendar WORK Calendars.Xtract:2 Calendar WORK has no date after "
                   "2027-01-03; schedule CPU1#DAILY stops running then\n"},
        RunDayCase{"EndedBeforeToday", "Calendars.Xtract", kCalendarLine, "  12/04/26\n",
                   "calendar-ends calendar WORK Calendars.Xtract:2 Calendar WORK has had no date "
                   "since 2026-12-04; schedule CPU1#DAILY no longer runs on it\n"
                   "never-runs schedule CPU1#DAILY Schedules.Xtract:1 Schedule CPU1#DAILY has no "
                   "run day in the 365 days from 2026-12-05\n"},
        RunDayCase{"EmptyCalendar", "Calendars.Xtract", kCalendarLine, "",
                   "calendar-ends calendar WORK Calendars.Xtract:2 Calendar WORK has no dates; "
                   "schedule CPU1#DAILY never runs on it\n"
                   "never-runs schedule CPU1#DAILY Schedules.Xtract:1 Schedule CPU1#DAILY has no "
                   "run day in the 365 days from 2026-12-05\n"},
        RunDayCase{"ManySchedulesOnAnEndingCalendar", "Schedules.Xtract", kLastSchedule,
                   " CPU1#JOB3\nEND\n"
                   "SCHEDULE CPU1#S6\nON WORK\nEND\nSCHEDULE CPU1#S2\nON WORK\nON WORK\nEND\n"
                   "SCHEDULE CPU1#S3\nON WORK\nEND\nSCHEDULE CPU1#S4\nON WORK\nEND\n"
                   "SCHEDULE CPU1#S5\nON WORK\nEND\nSCHEDULE CPU1#S1\nON WORK -1 DAYS\nEND\n",
                   "calendar-ends calendar WORK Calendars.Xtract:2 Calendar WORK has no date after "
                   "2027-01-04; schedules CPU1#DAILY, CPU1#S1, CPU1#S2, CPU1#S3, CPU1#S4 and 2 "
                   "more stop running then\n",
                   1},
        RunDayCase{"UnreadableItem", "Schedules.Xtract", "ON WORK", "ON WORK, MO +1 WEEK",
                   "unreadable-run-item schedule CPU1#DAILY Schedules.Xtract:2 ON item \"MO +1 "
                   "WEEK\" cannot be read; it gives no day\n"},
        RunDayCase{"ReadableOffset", "Schedules.Xtract", "ON WORK", "ON WORK, MO +1 WEEKDAY", ""},
        RunDayCase{"FreeDaysCalendarMissing", "Schedules.Xtract", "ON WORK",
                   "ON WORK\nFREEDAYS NOCAL -sa",
                   "undefined-calendar schedule CPU1#DAILY Schedules.Xtract:3 Calendar NOCAL is "
                   "not defined in Calendars.Xtract\n"},
        RunDayCase{"FreeDaysCalendarDefined", "Schedules.Xtract", "ON WORK",
                   "ON WORK\nFREEDAYS WORK -sa", ""}),
    [](const ::testing::TestParamInfo<RunDayCase>& info) { return info.param.Name; });

// Readings that name nothing undefined: run-cycle words, dates and offsets in ON, a quoted
// prompt text, a resource with its workstation, a job line with CONFIRMED, a clause with a
// trailing PRIORITY, a workstation that is two defined ones joined by the workstation list's
// delimiter.
TEST(CheckRules, ClauseFormsThatNameNothingMissing) {
  Files files = WithFault("Schedules.Xtract", "ON WORK\nNEEDS 1 SLOTS\nPROMPT GO\n:\n CPU1#JOB1\n",
                          "ON WORK\nON WORK +2 DAYS,REQUEST,SU,01/05/27\nEXCEPT WORKDAYS\n"
                          "NEEDS CPU1#SLOTS\nPROMPT \"Ready, GO?\"\nPROMPT GO\n:\n"
                          " JOB1 CONFIRMED\n   NEEDS 1 SLOTS PRIORITY 10\n");
  files["Cpus.Xtract"] += "CPUNAME CPU2\nEND\n";
  files["Schedules.Xtract"] += "SCHEDULE CPU1@:@CPU2#ODD\nEND\n";
  EXPECT_EQ(Describe(Check(files)), "");
}

// A schedule of many jobs finds them through tables: its first job too, by key and by name.
TEST(CheckRules, LargeScheduleFindsEveryJobByKeyAndByName) {
  Files files = CleanDatabase();
  std::string schedule = "SCHEDULE CPU1#BIG\n:\n";
  for (int k = 0; k < 40; ++k) {
    const std::string job = "CPU1#B" + std::to_string(k);
    schedule += " " + job + "\n" + (k == 38 ? "   FOLLOWS B0\n" : "");
    files["Jobs.Xtract"] += job + " DOCOMMAND \"x\"\n";
  }
  files["Schedules.Xtract"] += schedule + "   FOLLOWS CPU1#B0\nEND\n";
  EXPECT_EQ(Describe(Check(files)), "");
}

TEST(CheckRules, FindingsAreSortedByFileLineAndRule) {
  Files files = WithFault("Schedules.Xtract", "CPU1#LATER", "CPU9#LATER");
  files["Jobs.Xtract"] += "CPU1#JOB1 DOCOMMAND \"again\"\n";
  const std::vector<Finding> findings = Check(files);
  ASSERT_EQ(findings.size(), 2u) << Describe(findings);
  EXPECT_EQ(findings[0].File, "Jobs.Xtract");
  EXPECT_EQ(findings[1].File, "Schedules.Xtract");
  EXPECT_EQ(TotalsText(CountFindings(findings)), "2 errors, 0 warnings");
}

// A job of a later definition may follow a job that only the key's first definition holds: no
// edge of that definition's job graph, which must not reach past its own jobs.
TEST(CheckRules, LaterDefinitionFollowsAJobOfTheFirst) {
  const Files files = WithFault("Schedules.Xtract", "SCHEDULE CPU1#LATER",
                                "SCHEDULE CPU1#DAILY\n:\n CPU1#JOB3\n   FOLLOWS JOB1\n"
                                "   FOLLOWS CPU1#DAILY.JOB2\n CPU1#JOB1\n   FOLLOWS JOB3\nEND\n"
                                "SCHEDULE CPU1#LATER");
  EXPECT_EQ(Describe(Check(files)),
            "duplicate-definition schedule CPU1#DAILY Schedules.Xtract:10 Schedule CPU1#DAILY is "
            "defined again; its first definition is on line 1\n"
            "job-cycle schedule CPU1#DAILY Schedules.Xtract:16 Jobs follow each other in a cycle "
            "(each follows the next): CPU1#JOB1 -> CPU1#JOB3 -> CPU1#JOB1\n");
}

}  // namespace
}  // namespace vdbq
