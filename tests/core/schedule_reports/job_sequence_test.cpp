#include "core/reports/job_sequence.h"

#include <gtest/gtest.h>

#include <random>

#include "core/reports/comma_items.h"
#include "core/reports/packed_record.h"
#include "core/text/text_routines.h"
#include "support/report_fixture.h"

namespace vdbq {
namespace {

using testing::ReportFixture;
using Sequences = std::vector<long long>;

// name, FOLLOWS text, AT text
struct JobSpec {
  const char* Name;
  const char* Follows = "";
  const char* At = "";
};

Sequences Sequenced(const std::vector<JobSpec>& specs) {
  std::vector<ScheduleJob> jobs;
  for (const JobSpec& spec : specs) {
    ScheduleJob job;
    job.Name = spec.Name;
    job.Follows = spec.Follows;
    job.At = spec.At;
    jobs.push_back(job);
  }
  Progress progress;
  return SequenceJobs(jobs, progress);
}

TEST(JobSequence, NumbersByCase) {
  struct Case {
    const char* Why;
    std::vector<JobSpec> Jobs;
    Sequences Expected;
  };
  // clang-format off
  const Case cases[] = {
      {"no internal predecessor: 1", {{"J1"}, {"J2", "CPU2#S.X"}, {"J3", "CPU2#S.X,CPU3#T.Y"}},
       {1, 1, 1}},
      {"one above the highest predecessor", {{"J1"}, {"J2", "J1"}, {"J3", "J2"}, {"J4", "J1,J3"}},
       {1, 2, 3, 4}},
      {"file order does not matter", {{"J4", "J1,J3"}, {"J3", "J2"}, {"J2", "J1"}, {"J1"}},
       {4, 3, 2, 1}},
      {"external entries never hold a job back", {{"J1"}, {"J2", "CPU2#S.X,J1,CPU2#S.Y"}}, {1, 2}},
      {"a name held twice is satisfied by the first placed", {{"A", "B"}, {"B"}, {"A"}, {"C", "A"}},
       {2, 1, 1, 2}},
      // J3 and J4 follow each other; J5 names a job the schedule lacks; J6 waits on J3.
      {"unplaceable jobs take the number of the first pass that places nothing",
       {{"J1"}, {"J2", "J1"}, {"J3", "J4"}, {"J4", "J3"}, {"J5", "CPU1#OTHER"}, {"J6", "J3"},
        {"J7", "J2"}}, {1, 2, 4, 4, 4, 4, 3}},
      // " J2" and the empty entry after a trailing comma name no job.
      {"entries are not trimmed", {{"J1"}, {"J2", "J1"}, {"J3", "J2"}, {"J4", "J1, J2"}},
       {1, 2, 3, 4}},
      {"an empty entry waits", {{"J1"}, {"J2", "J1"}, {"J3", "J1,"}}, {1, 2, 3}},
      {"one number spreads in time order",
       {{"J1", "", "0900"}, {"J2", "", "0600"}, {"J3", "", "0600"}, {"J4", "", "0700"}},
       {3, 1, 1, 2}},
      {"untimed jobs keep the number, timed ones move up",
       {{"J1", "", "0800"}, {"J2"}, {"J3", "", "0700"}, {"J4"}}, {3, 1, 2, 1}},
      {"later numbers move up to make room",
       {{"J1"}, {"J2", "J1", "0900"}, {"J3", "J1", "0800"}, {"J4", "J2"}, {"J5", "J4", "1000"}},
       {1, 3, 2, 4, 5}},
      {"only four-digit times compare",
       {{"J1", "", "0800"}, {"J2", "", "0700 +1"}, {"J3", "", "0600"}}, {2, 1, 1}},
      // The level is opened for a move that does not happen; the empty number ends the ordering.
      {"without a comparable time the ordering stops",
       {{"J1", "", "X1"}, {"J2", "", "X2"}, {"J3", "J1", "0900"}, {"J4", "J1", "0800"}},
       {1, 1, 3, 3}},
      {"no job at number 1: nothing is split", {{"J1", "J2", "0900"}, {"J2", "J1", "0800"}},
       {2, 2}},
  };
  // clang-format on
  for (const Case& c : cases) EXPECT_EQ(Sequenced(c.Jobs), c.Expected) << c.Why;
}

// Sequence numbers worked out pass by pass and number by number as the report describes them,
// to compare the indexed version against on random schedules.
Sequences StepByStep(const std::vector<ScheduleJob>& jobs) {
  const size_t count = jobs.size();
  auto entriesOf = [](const std::string& follows) {
    std::vector<std::string> entries(1);
    for (char c : follows) {
      if (c == ',')
        entries.emplace_back();
      else
        entries.back() += c;
    }
    return entries;
  };
  auto external = [](const std::string& e) { return e.find('.') != std::string::npos; };
  Sequences seq(count, 0);
  for (size_t n = 0; n < count; ++n) {
    bool allExternal = true;
    for (const auto& e : entriesOf(jobs[n].Follows)) allExternal = allExternal && external(e);
    if (jobs[n].Follows.empty() || allExternal) seq[n] = 1;
  }
  for (long long level = 2;; ++level) {
    bool anyWaiting = false, anyPlaced = false;
    for (size_t n = 0; n < count; ++n) {
      if (seq[n] != 0) continue;
      anyWaiting = true;
      seq[n] = level;
      for (const auto& e : entriesOf(jobs[n].Follows)) {
        bool satisfied = external(e);
        for (size_t m = 0; m < count && !satisfied; ++m) {
          satisfied = seq[m] > 0 && seq[m] < level && jobs[m].Name == e;
        }
        if (!satisfied) {
          seq[n] = 0;
          break;
        }
      }
      anyPlaced = anyPlaced || seq[n] == level;
    }
    if (!anyWaiting) break;
    if (!anyPlaced) {
      for (long long& s : seq) {
        if (s == 0) s = level;
      }
      break;
    }
  }
  auto minutes = [](const std::string& t) -> long long {
    if (t.size() != 4 || t.find_first_not_of("0123456789") != std::string::npos) return -2;
    return std::stoll(t.substr(0, 2)) * 60 + std::stoll(t.substr(2));
  };
  for (long long level = 1;; ++level) {
    std::vector<size_t> group;
    for (size_t n = 0; n < count; ++n) {
      if (seq[n] == level) group.push_back(n);
    }
    if (group.empty()) break;
    bool differ = false;
    for (size_t n : group) differ = differ || jobs[n].At != jobs[group[0]].At;
    if (group.size() < 2 || !differ) continue;
    for (long long& s : seq) {
      if (s > level) ++s;
    }
    long long reference = 9999;
    for (size_t n : group) {
      if (jobs[n].At.empty())
        reference = -1;
      else if (minutes(jobs[n].At) >= 0 && minutes(jobs[n].At) < reference)
        reference = minutes(jobs[n].At);
    }
    if (reference == 9999) continue;
    for (size_t n : group) {
      const std::string& at = jobs[n].At;
      if (reference == -1 ? !at.empty() : minutes(at) >= 0 && minutes(at) != reference) {
        seq[n] = level + 1;
      }
    }
  }
  return seq;
}

TEST(JobSequence, AgreesWithThePassByPassWorkingOnRandomSchedules) {
  const std::vector<std::string> names{"A", "B", "C", "D", "E", "F", "G", "H"};
  const std::vector<std::string> times{"", "", "0600", "0700", "0060", "0100", "X", "0600 +1"};
  std::mt19937 random(20261205);
  for (int round = 0; round < 3000; ++round) {
    std::vector<ScheduleJob> jobs(1 + random() % 12);
    for (ScheduleJob& job : jobs) {
      job.Name = names[random() % names.size()];
      job.At = times[random() % times.size()];
      const int entries = static_cast<int>(random() % 4);
      for (int e = 0; e < entries; ++e) {
        if (e > 0) job.Follows += ",";
        const unsigned kind = random() % 10;
        job.Follows += kind == 0   ? "CPU2#S.J"
                       : kind == 1 ? "NOJOB"
                                   : names[random() % names.size()];
      }
    }
    Progress progress;
    const Sequences expected = StepByStep(jobs);
    ASSERT_EQ(SequenceJobs(jobs, progress), expected) << "round " << round;
  }
}

ReportFixture Schedule(const std::string& jobs) {
  return ReportFixture({{"Schedules.Xtract", "SCHEDULE CPU1#S\n:\n" + jobs + "END\n"}});
}

// The captions of the first rows of the jobs, in the order shown.
std::vector<std::string> Captions(const ResultList& results) {
  std::vector<std::string> captions;
  bool jobs = false;
  for (const ResultRow& row : results.Rows) {
    if (row.Caption == "Seq.")
      jobs = true;
    else if (jobs && !row.Caption.empty() && row.Caption != "<END>")
      captions.push_back(row.Caption);
  }
  return captions;
}

TEST(JobSequenceRows, EveryJobOfALongChainIsShown) {
  std::string jobs = " J1\n";
  for (int n = 2; n <= 1005; ++n) {
    jobs += " J" + std::to_string(n) + "\n   FOLLOWS J" + std::to_string(n - 1) + "\n";
  }
  ReportFixture fx = Schedule(jobs);
  fx.Run("S#4", "CPU1#S");
  const std::vector<std::string> captions = Captions(fx.Results);
  ASSERT_EQ(captions.size(), 1005u);
  const std::pair<size_t, const char*> shown[] = {
      {7, "007"}, {299, "299"}, {301, "301"}, {1000, "1000"}, {1005, "1005"}};
  for (const auto& [n, caption] : shown) EXPECT_EQ(captions[n - 1], caption);
  EXPECT_EQ(fx.Results.Rows.back().Caption, "<END>");
}

// Every field as MarkedField reads it, for comparison.
std::vector<std::string> FieldByField(const std::string& record, long long count) {
  std::vector<std::string> fields(static_cast<size_t>(count + 1));
  for (long long n = 1; n <= count; ++n) fields[static_cast<size_t>(n)] = MarkedField(record, n);
  return fields;
}

TEST(UnpackMarkedFields, AgreesWithMarkedFieldOnOddRecords) {
  const std::pair<std::string, long long> records[] = {
      {"!!<1>!!A!!<2>!!B!!<2>!!C!!<3>!!", 2},    // a field holding a later marker
      {"!!<1>!!<2>!!X!!<3>!!", 2},               // markers sharing their "!!"
      {"x!!<2>!!A!!<1>!!B!!<3>!!", 2},           // closing marker before the opening one
      {"!!<1>!!A!!<01>!!B!!<2>!!", 1},           // a leading zero is another marker
      {"!!<10>!!X!!<1>!!Y!!<11>!!!!<2>!!", 10},  // numbers that share digits
      {"!!!<1>!!A!!<2>!", 2},                    // a broken closing marker
      {"!!<1>!!A!!<2", 1},                       // the record's last field runs to its end
      {"!!<99999999999999999999999>!!!!<1>!!A", 1},
      {"", 2},
  };
  EXPECT_EQ(UnpackMarkedFields("!!<1>!!AB!!<2>!!!!<3>!!CD!!<4>!!!!<4>!!", 3),
            (std::vector<std::string>{"", "AB", "", "CD"}));
  for (const auto& [record, count] : records) {
    EXPECT_EQ(UnpackMarkedFields(record, count), FieldByField(record, count)) << record;
  }
}

TEST(CommaItems, AgreesWithCsvField) {
  for (const char* text : {"a,b,c", "a,b,", "a,b", "a", ",x", "", ",", "a,,b", " a , b "}) {
    const CommaItems items(text);
    for (long long n = 0; n <= 5; ++n) EXPECT_EQ(items.Item(n), CsvField(text, n)) << text << n;
  }
}

}  // namespace
}  // namespace vdbq
