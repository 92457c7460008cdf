// Times the schedule reports S#1 to S#5 on a large generated database: S#4 on the schedule
// with the most lines (the one with the most jobs), S#5 on the schedule in the middle of the
// longest chain of schedules that follow one another.
//
// The database is the one support/report_bench_database.h describes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/reports/dependency_path.h"
#include "core/reports/path_schedule_index.h"
#include "core/reports/report_context.h"
#include "core/reports/run_report.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

// The schedule keys named before a "." in a follows text, completed with the workstation.
std::vector<std::string> NamedSchedules(const std::string& follows,
                                        const std::string& workstation) {
  std::vector<std::string> keys;
  size_t start = 0;
  while (start <= follows.size()) {
    size_t comma = follows.find(',', start);
    if (comma == std::string::npos) comma = follows.size();
    const std::string item = follows.substr(start, comma - start);
    const size_t dot = item.find('.');
    if (dot != std::string::npos && dot > 0) {
      std::string key = item.substr(0, dot);
      if (key.find('#') == std::string::npos) key = workstation + "#" + key;
      keys.push_back(key);
    }
    start = comma + 1;
  }
  return keys;
}

// The standard database with the schedules the S#4 and S#5 benchmarks look at.
class BenchDatabase : public bench::ReportBenchDatabase {
 public:
  BenchDatabase() : ReportBenchDatabase("schedules") { ChooseSchedules(); }

  std::string LargestSchedule;
  std::string ChainMiddle;
  std::string ChainStart;
  long long ChainLength = 0;

 private:
  void ChooseSchedules() {
    Progress progress;
    const PathScheduleIndex index(Store, progress);
    const std::vector<PathSchedule>& schedules = index.Schedules();
    long long mostLines = -1;
    for (const PathSchedule& schedule : schedules) {
      if (schedule.Limit - schedule.Line > mostLines &&
          schedule.Key.find('#') != std::string::npos) {
        mostLines = schedule.Limit - schedule.Line;
        LargestSchedule = schedule.Key;
      }
    }

    // Longest chain: depth of each schedule over the schedules it names, without revisiting.
    std::unordered_map<std::string, size_t> byKey;
    for (size_t s = 0; s < schedules.size(); ++s) byKey.try_emplace(schedules[s].Key, s);
    std::vector<std::vector<size_t>> predecessors(schedules.size());
    for (size_t s = 0; s < schedules.size(); ++s) {
      const std::string workstation = schedules[s].Key.substr(0, schedules[s].Key.find('#'));
      for (const std::string* text :
           {&schedules[s].Follows.ScheduleFollows, &schedules[s].Follows.JobFollows}) {
        for (const std::string& key : NamedSchedules(*text, workstation)) {
          const auto found = byKey.find(key);
          if (found != byKey.end() && found->second != s) predecessors[s].push_back(found->second);
        }
      }
    }
    std::vector<long long> depth(schedules.size(), 0);  // 0 = not yet known
    std::vector<size_t> deepestPredecessor(schedules.size(), SIZE_MAX);
    for (size_t root = 0; root < schedules.size(); ++root) {
      if (depth[root] != 0) continue;
      std::vector<std::pair<size_t, size_t>> stack{{root, 0}};
      depth[root] = -1;  // on the stack
      while (!stack.empty()) {
        auto& [s, next] = stack.back();
        if (next < predecessors[s].size()) {
          const size_t p = predecessors[s][next++];
          if (depth[p] == 0) {
            depth[p] = -1;
            stack.push_back({p, 0});
          }
          continue;
        }
        long long best = 0;
        for (size_t p : predecessors[s]) {
          if (depth[p] > best) {
            best = depth[p];
            deepestPredecessor[s] = p;
          }
        }
        depth[s] = best + 1;
        stack.pop_back();
      }
    }
    size_t end = 0;
    for (size_t s = 0; s < schedules.size(); ++s) {
      if (depth[s] > depth[end]) end = s;
    }
    std::vector<size_t> chain;
    for (size_t s = end; s != SIZE_MAX && chain.size() <= schedules.size();
         s = deepestPredecessor[s]) {
      chain.push_back(s);
    }
    ChainLength = static_cast<long long>(chain.size());
    ChainMiddle = schedules.empty() ? "NONE#NONE" : schedules[chain[chain.size() / 2]].Key;
    ChainStart = schedules.empty() ? "NONE#NONE" : schedules[chain.back()].Key;
  }
};

BenchDatabase& Database() {
  static BenchDatabase database;
  return database;
}

void RunReportBenchmark(benchmark::State& state, const char* code, const std::string& search) {
  bench::RunEach(state, Database(), code, search);
}

void BM_S1(benchmark::State& state) { RunReportBenchmark(state, "S#1", ""); }
void BM_S2(benchmark::State& state) { RunReportBenchmark(state, "S#2", ""); }
void BM_S3(benchmark::State& state) { RunReportBenchmark(state, "S#3", "FIN"); }

void BM_S4_LargestSchedule(benchmark::State& state) {
  RunReportBenchmark(state, "S#4", Database().LargestSchedule);
}

void BM_S5_MiddleOfLongestChain(benchmark::State& state) {
  BenchDatabase& db = Database();
  RunReportBenchmark(state, "S#5", db.ChainMiddle);
  long long entries = 0;
  for (const ResultRow& row : db.Results.Rows) {
    if (!row.Caption.empty() && row.Caption != "Seq.") ++entries;
  }
  state.counters["path"] = static_cast<double>(entries);
  state.counters["chain"] = static_cast<double>(db.ChainLength);
}

// The first schedule of the chain: every schedule after it on the chain, and every schedule that
// any of them leads to, is on its path.
void BM_S5_StartOfLongestChain(benchmark::State& state) {
  BenchDatabase& db = Database();
  RunReportBenchmark(state, "S#5", db.ChainStart);
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
}

// The path alone, without the result rows and the audit line.
void BM_S5_PathOnly(benchmark::State& state) {
  BenchDatabase& db = Database();
  Progress progress;
  size_t entries = 0;
  for (auto _ : state) {
    const std::optional<DependencyPath> path =
        FindDependencyPath(db.Store, db.ChainMiddle, progress);
    entries = path ? path->Entries.size() : 0;
    benchmark::DoNotOptimize(entries);
  }
  state.counters["path"] = static_cast<double>(entries);
}

// Malformed and unusual files must not make the path report slow: 20,000 schedules in a chain
// without any END or ":" line (one block, every definition running into the next), and
// 20,000 schedules that follow one another in one cycle.
ExtractStore StoreOf(const std::string& schedules) {
  ExtractStore store;
  store.ScheduleLines = LineList::FromText(schedules);
  store.ScheduleLineCount = store.ScheduleLines.Count();
  IndexSchedules(store);
  return store;
}

std::string ChainText(int count, bool closed, bool cycle) {
  std::string text;
  for (int s = 0; s < count; ++s) {
    const int before = s == 0 ? (cycle ? count - 1 : -1) : s - 1;
    text += "SCHEDULE WS1#S" + std::to_string(s) + "\nON EVERYDAY\n";
    if (before >= 0) text += "FOLLOWS WS1#S" + std::to_string(before) + ".@\n";
    if (closed) text += ":\n";
    text += " WS1#JOB" + std::to_string(s) + "\n";
    if (closed) text += "END\n";
  }
  return text;
}

void PathOnStore(benchmark::State& state, const ExtractStore& store, const std::string& key) {
  Progress progress;
  size_t entries = 0;
  for (auto _ : state) {
    const std::optional<DependencyPath> path = FindDependencyPath(store, key, progress);
    entries = path ? path->Entries.size() : 0;
    benchmark::DoNotOptimize(entries);
  }
  state.counters["path"] = static_cast<double>(entries);
}

void BM_S5_ChainWithoutEndLines(benchmark::State& state) {
  static const ExtractStore store = StoreOf(ChainText(20000, false, false));
  PathOnStore(state, store, "WS1#S0");
}

void BM_S5_CycleOf20000(benchmark::State& state) {
  static const ExtractStore store = StoreOf(ChainText(20000, true, true));
  PathOnStore(state, store, "WS1#S10000");
}

BENCHMARK(BM_S1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S4_LargestSchedule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S5_MiddleOfLongestChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S5_StartOfLongestChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S5_PathOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S5_ChainWithoutEndLines)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_S5_CycleOf20000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
