// The impact of one schedule on a large database: the direct users and the schedules downstream
// (the schedule graph built once per load, as the catalogue keeps it), and the same with the
// removal check, which runs the whole check on the database and on it without the schedule.
// The schedule is the one, of a sample spread over the graph, whose downstream is nearest to
// 5,000 schedules.
//
// The database is the one support/report_bench_database.h describes, or VARNOLTDBQ_BENCH_DB.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

#include "core/graph/schedule_graph.h"
#include "core/impact/object_impact.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

constexpr long long kWantedDownstream = 5000;

struct ImpactBench {
  bench::ReportBenchDatabase Db{"impact"};
  std::string Key;
  long long Downstream = 0;

  ImpactBench() {
    const std::shared_ptr<const ScheduleGraph> graph = ScheduleGraphOf(Db.Store, Db.Catalogue);
    const int n = graph->NodeCount();
    std::vector<int> seen(static_cast<size_t>(n), -1), queue;
    long long bestDistance = -1;
    for (int root = 0; root < n; root += std::max(1, n / 400)) {
      if (!graph->Defined(root)) continue;
      // How many schedules wait for root, counted up to twice the wanted number.
      queue.assign(1, root);
      seen[static_cast<size_t>(root)] = root;
      for (size_t k = 0; k < queue.size() && queue.size() <= 2 * kWantedDownstream; ++k) {
        for (int edge : graph->OutEdges(queue[k])) {
          const int to = graph->Edge(edge).To;
          if (seen[static_cast<size_t>(to)] == root) continue;
          seen[static_cast<size_t>(to)] = root;
          queue.push_back(to);
        }
      }
      const auto count = static_cast<long long>(queue.size()) - 1;
      if (bestDistance < 0 || std::llabs(count - kWantedDownstream) < bestDistance) {
        bestDistance = std::llabs(count - kWantedDownstream);
        Key = graph->Key(root);
        Downstream = count;
      }
    }
  }
};

ImpactBench& Bench() {
  static ImpactBench bench;
  return bench;
}

void RunImpact(benchmark::State& state, bool withRemovalCheck) {
  ImpactBench& b = Bench();
  Progress progress;
  ObjectImpact impact;
  for (auto _ : state) {
    impact =
        ImpactOf(b.Db.Store, b.Db.Catalogue, ObjectKind::Schedule, b.Key,
                 withRemovalCheck ? std::optional(CheckOptions{DayOf(2026, 12, 7)}) : std::nullopt,
                 progress);
    benchmark::DoNotOptimize(impact.Downstream.data());
  }
  state.SetLabel(b.Key);
  state.counters["direct"] = static_cast<double>(impact.Direct.size());
  state.counters["downstream"] = static_cast<double>(impact.Downstream.size());
  state.counters["findings"] = static_cast<double>(impact.CheckFindingsIfRemoved.size());
}

void BM_ImpactOfSchedule(benchmark::State& state) { RunImpact(state, false); }
BENCHMARK(BM_ImpactOfSchedule)->Unit(benchmark::kMillisecond)->UseRealTime();

// The check runs on several threads: the CPU column is the whole process's CPU time.
void BM_ImpactOfScheduleWithRemovalCheck(benchmark::State& state) { RunImpact(state, true); }
BENCHMARK(BM_ImpactOfScheduleWithRemovalCheck)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
