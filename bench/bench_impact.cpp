// The impact of one schedule on a large database: the direct users and the schedules downstream
// (the schedule graph built once per load, as the catalogue keeps it), and the same with the
// removal check, which runs the whole check on the database without the schedule; the check of
// the database as loaded is kept from the first removal check after the load, or runs beside
// the other one on that first.
//
// The schedule is the one, of a sample spread over the graph, whose downstream is nearest to
// 5,000 schedules, on the database support/report_bench_database.h describes, or
// VARNOLTDBQ_BENCH_DB. That set has no schedule so widely waited for, so the generated largest
// set with the first schedule followed by 6,000 others gives the one the "Followed" runs ask.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/graph/schedule_graph.h"
#include "core/impact/object_impact.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

constexpr long long kWantedDownstream = 5000;

fs::path FollowedSet() {
  const fs::path dir =
      fs::temp_directory_path() / ("varnoltdbq-bench-impact-" + std::to_string(getpid()));
  const std::string command =
      (fs::read_symlink("/proc/self/exe").parent_path() / "gen_extracts").string() +
      " --schedules 80000 --jobs 400000 --workstations 200 --seed 11 --followers 6000 --out '" +
      dir.string() + "' > /dev/null";
  if (std::system(command.c_str()) != 0) std::exit(2);
  return dir;
}

struct ImpactBench {
  bench::ReportBenchDatabase Db;
  std::string Key;
  long long Downstream = 0;
  LoadedFindingsCache Loaded;

  // Picks the sampled schedule whose downstream is nearest to kWantedDownstream, or with
  // `followed`, the one most schedules follow.
  ImpactBench(const std::string& tag, std::optional<fs::path> dir, bool followed)
      : Db(tag, std::move(dir)) {
    const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(Db.Store, Db.Catalogue);
    const int n = graph->NodeCount();
    std::vector<int> roots;
    for (int root = 0; root < n; root += std::max(1, n / 400)) roots.push_back(root);
    if (followed) {
      roots.assign(1, 0);
      for (int node = 0; node < n; ++node) {
        if (graph->OutEdges(node).size() > graph->OutEdges(roots[0]).size()) roots[0] = node;
      }
    }
    const size_t limit = followed ? static_cast<size_t>(n) : 2 * kWantedDownstream;
    std::vector<int> seen(static_cast<size_t>(n), -1), queue;
    long long bestDistance = -1;
    for (int root : roots) {
      if (!graph->Defined(root)) continue;
      // How many schedules wait for root, counted up to the limit.
      queue.assign(1, root);
      seen[static_cast<size_t>(root)] = root;
      for (size_t k = 0; k < queue.size() && queue.size() <= limit; ++k) {
        for (int edge : graph->OutEdges(queue[k])) {
          const int to = graph->Edge(edge).To;
          if (seen[static_cast<size_t>(to)] == root) continue;
          seen[static_cast<size_t>(to)] = root;
          queue.push_back(to);
        }
      }
      const auto count = static_cast<long long>(queue.size()) - 1;
      const long long distance = std::llabs(count - kWantedDownstream);
      if (bestDistance < 0 || distance < bestDistance) {
        bestDistance = distance;
        Key = graph->Key(root);
        Downstream = count;
      }
    }
  }
};

ImpactBench& Sampled() {
  static ImpactBench bench("impact", std::nullopt, false);
  return bench;
}

ImpactBench& Followed() {
  static ImpactBench bench("impact-followed", FollowedSet(), true);
  return bench;
}

enum class Removal { kNone, kFindingsKept, kFirstAfterLoad };

void RunImpact(benchmark::State& state, ImpactBench& b, Removal removal) {
  Progress progress;
  ObjectImpact impact;
  const RemovalCheck check{b.Loaded, CheckOptions{DayOf(2026, 12, 7)}};
  const RemovalCheck* asked = removal == Removal::kNone ? nullptr : &check;
  if (removal == Removal::kFindingsKept) b.Loaded.Get(b.Db.Store, b.Db.Catalogue, check.Options);
  for (auto _ : state) {
    if (removal == Removal::kFirstAfterLoad) b.Loaded.Reset();
    impact = ImpactOf(b.Db.Store, b.Db.Catalogue, ObjectKind::Schedule, b.Key, asked, progress);
    benchmark::DoNotOptimize(impact.Downstream.data());
  }
  state.SetLabel(b.Key);
  state.counters["direct"] = static_cast<double>(impact.Direct.size());
  state.counters["downstream"] = static_cast<double>(impact.Downstream.size());
  state.counters["findings"] = static_cast<double>(impact.CheckFindingsIfRemoved.size());
}

void BM_ImpactOfSchedule(benchmark::State& state) { RunImpact(state, Sampled(), Removal::kNone); }
BENCHMARK(BM_ImpactOfSchedule)->Unit(benchmark::kMillisecond)->UseRealTime();

// The check runs on several threads: the CPU column is the whole process's CPU time.
void BM_ImpactOfScheduleWithRemovalCheck(benchmark::State& state) {
  RunImpact(state, Sampled(), Removal::kFindingsKept);
}
BENCHMARK(BM_ImpactOfScheduleWithRemovalCheck)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The first removal check after a load, as the command line runs it: both checks side by side.
void BM_ImpactOfScheduleWithFirstRemovalCheck(benchmark::State& state) {
  RunImpact(state, Sampled(), Removal::kFirstAfterLoad);
}
BENCHMARK(BM_ImpactOfScheduleWithFirstRemovalCheck)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_ImpactOfFollowedSchedule(benchmark::State& state) {
  RunImpact(state, Followed(), Removal::kNone);
}
BENCHMARK(BM_ImpactOfFollowedSchedule)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImpactOfFollowedScheduleWithRemovalCheck(benchmark::State& state) {
  RunImpact(state, Followed(), Removal::kFindingsKept);
}
BENCHMARK(BM_ImpactOfFollowedScheduleWithRemovalCheck)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
