// The five warnings hold exactly the objects that J#5, C#2, R#2, P#2 and D#2 list, on random
// databases written in the many forms those reports read; and the schedule outline reads the
// jobs of every schedule as J#5 does.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "core/check/check_database.h"
#include "core/check/schedule_outline.h"
#include "core/reports/usage_answers.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

class RandomDatabase {
 public:
  explicit RandomDatabase(unsigned seed) : random_(seed) {}

  std::map<std::string, std::string> Files() {
    std::map<std::string, std::string> files;
    files["Cpus.Xtract"] = "CPUNAME W1\nEND\nCPUNAME W2\nEND\n";
    std::string jobs;
    for (int j = 0; j < 40; ++j) {
      jobs += Workstation() + "#J" + std::to_string(j) + " DOCOMMAND \"run";
      for (int k = Pick(3); k > 0; --k) jobs += Pick(4) == 0 ? " ^p1^" : " ^P" + Number(10) + "^";
      jobs += "\"\n     STREAMLOGON batch\n";
      if (Pick(10) == 0) jobs += "\n";
    }
    files["Jobs.Xtract"] = jobs;
    std::string schedules;
    for (int s = 0; s < 25; ++s) schedules += Schedule(s);
    files["Schedules.Xtract"] = schedules;
    std::string calendars = "$CALENDAR\n";
    for (int c = 0; c < 10; ++c) calendars += "C" + std::to_string(c) + "\t\"x\"\n  01/01/28\n";
    files["Calendars.Xtract"] = calendars;
    std::string parms = "$PARM\n", prompts = "$PROMPT\n", resources = "$RESOURCE\n";
    for (int k = 0; k < 10; ++k) {
      parms += "P" + std::to_string(k) + " \"v\"\n";
      prompts += "Q" + std::to_string(k) + " \"Go?\"\n";
      resources += Workstation() + "#R" + std::to_string(k) + "\t   1\t\"r\"\n";
    }
    files["Parms.Xtract"] = parms;
    files["Prompts.Xtract"] = prompts;
    files["Resources.Xtract"] = resources;
    return files;
  }

 private:
  int Pick(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }
  std::string Number(int n) { return std::to_string(Pick(n)); }
  std::string Workstation() { return Pick(8) == 0 ? "W9" : "W" + std::to_string(1 + Pick(2)); }

  std::string Items(const char* prefix, int n, bool qualified) {
    std::string items;
    for (int k = 1 + Pick(3); k > 0; --k) {
      if (!items.empty()) items += Pick(2) == 0 ? "," : ", ";
      if (qualified && Pick(2) == 0) items += Workstation() + "#";
      items += prefix + Number(n);
    }
    return items;
  }

  std::string Schedule(int s) {
    std::string text = "SCHEDULE " + Workstation() + "#S" + std::to_string(s) + "\n";
    text += "ON " + Items("C", 14, false) + (Pick(3) == 0 ? ",\n  C" + Number(14) : "") + "\n";
    if (Pick(2) == 0) text += "EXCEPT " + Items("C", 14, false) + "\n";
    if (Pick(2) == 0) text += "NEEDS " + Number(3) + " " + Items("R", 12, true) + "\n";
    if (Pick(3) == 0) text += "NEEDS 1 R" + Number(12) + ",\n 2 R" + Number(12) + "\n";
    if (Pick(2) == 0) text += "PROMPT " + Items("Q", 12, false) + "\n";
    if (Pick(4) == 0) text += "PROMPT \"Reply, Q" + Number(12) + "\"\n";
    text += Pick(4) == 0 ? "* a comment\n:\n" : ":\n";
    for (int j = Pick(5); j > 0; --j) {
      text += Pick(3) == 0 ? " J" + Number(45) : " " + Workstation() + "#J" + Number(45);
      text += Pick(5) == 0 ? " CONFIRMED\n" : "\n";
      if (Pick(3) == 0) text += "   FOLLOWS J" + Number(45) + ",\n   J" + Number(45) + "\n";
      if (Pick(4) == 0) text += "   NEEDS R" + Number(12) + "\n";
    }
    return text + "END\n\n";
  }

  std::mt19937 random_;
};

// The keys of a report's rows: caption#column 2 for J#5, the caption for C#2, the captions of
// the "Not Used." rows for the usage checks.
std::vector<std::string> Listed(testing::ReportFixture& fixture, const std::string& code) {
  fixture.Run(code);
  std::vector<std::string> keys;
  for (const ResultRow& row : fixture.Results.Rows) {
    if (code == "J#5") {
      keys.push_back(row.Caption + "#" + std::string(row.Column(2)));
    } else if (code == "C#2" || row.Column(2) == "Not Used.") {
      keys.push_back(row.Caption);
    }
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

std::vector<std::string> Warned(const std::vector<Finding>& findings, const std::string& rule) {
  std::vector<std::string> keys;
  for (const Finding& f : findings) {
    if (f.Rule == rule) keys.push_back(f.Key);
  }
  std::sort(keys.begin(), keys.end());
  return keys;
}

// The schedule outline is read before the reports fill the catalogue's lists.
TEST(UsageWarnings, EqualTheReportsOnRandomDatabasesAndTheOutlineReadsTheJobsAsJ5Does) {
  for (unsigned seed = 1; seed <= 30; ++seed) {
    testing::ReportFixture fixture(RandomDatabase(seed).Files());
    Progress progress;
    std::string jobs;
    for (const ScheduleOutline& schedule :
         ReadScheduleOutlines(fixture.Store.ScheduleLines, progress)) {
      for (const OutlineJob& job : schedule.Jobs) (jobs += job.Key) += ',';
    }
    EXPECT_EQ(jobs, CollectScheduledJobs(fixture.Store, progress)) << "seed " << seed;
    const std::vector<Finding> findings =
        CheckDatabase(fixture.Store, fixture.Catalogue, CheckOptions{DayOf(2027, 1, 4)}, progress);
    fixture.Catalogue.ScheduledJobList.reset();
    fixture.Catalogue.UsedCalendarList.reset();
    const std::pair<const char*, const char*> pairs[] = {{"J#5", "unscheduled-job"},
                                                         {"C#2", "unused-calendar"},
                                                         {"R#2", "unused-resource"},
                                                         {"P#2", "unused-parameter"},
                                                         {"D#2", "unused-prompt"}};
    for (const auto& [code, rule] : pairs) {
      EXPECT_EQ(Warned(findings, rule), Listed(fixture, code)) << code << ", seed " << seed;
    }
  }
}

}  // namespace
}  // namespace vdbq
