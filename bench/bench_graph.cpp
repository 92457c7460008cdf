// The schedule graph on the generated 80,000-schedule / 400,000-job set (about 3 million
// lines): building it, an unlimited query around the middle of the longest chain, the command
// line's `graph schedule --format json` from start to end, and the layout of a 300-node graph.
// VARNOLTDBQ_BENCH_DB points at a set of one's own instead.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <queue>

#include "core/graph/schedule_graph.h"
#include "layout/graph_layout.h"
#include "layout/graph_styles.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

fs::path ProgramDir() { return fs::read_symlink("/proc/self/exe").parent_path(); }

std::optional<fs::path> GeneratedSet() {
  if (std::getenv("VARNOLTDBQ_BENCH_DB") != nullptr) return std::nullopt;
  const fs::path dir =
      fs::temp_directory_path() / ("varnoltdbq-bench-graph-" + std::to_string(getpid()));
  const std::string command = (ProgramDir() / "gen_extracts").string() +
                              " --schedules 80000 --jobs 400000 --workstations 400 --seed 11"
                              " --out '" +
                              dir.string() + "' > /dev/null";
  if (std::system(command.c_str()) != 0) std::exit(2);
  return dir;
}

struct GraphBench {
  bench::ReportBenchDatabase Db{"graph", GeneratedSet()};
  ScheduleGraph Graph{Db.Store.ScheduleLines};
  int ChainMiddle = -1;
  long long ChainLength = 0;

  GraphBench() {
    // The longest path by steps through the graph (cycles left out), then its middle schedule.
    const int n = Graph.NodeCount();
    std::vector<int> waiting(static_cast<size_t>(n), 0), depth(static_cast<size_t>(n), 1),
        previous(static_cast<size_t>(n), -1);
    for (int e = 0; e < Graph.EdgeCount(); ++e) ++waiting[static_cast<size_t>(Graph.Edge(e).To)];
    std::queue<int> ready;
    for (int v = 0; v < n; ++v) {
      if (waiting[static_cast<size_t>(v)] == 0) ready.push(v);
    }
    int end = 0;
    while (!ready.empty()) {
      const int v = ready.front();
      ready.pop();
      if (depth[static_cast<size_t>(v)] > depth[static_cast<size_t>(end)]) end = v;
      for (int e : Graph.OutEdges(v)) {
        const auto to = static_cast<size_t>(Graph.Edge(e).To);
        if (depth[static_cast<size_t>(v)] + 1 > depth[to]) {
          depth[to] = depth[static_cast<size_t>(v)] + 1;
          previous[to] = v;
        }
        if (--waiting[to] == 0) ready.push(static_cast<int>(to));
      }
    }
    ChainLength = depth[static_cast<size_t>(end)];
    ChainMiddle = end;
    for (long long step = 0; step < ChainLength / 2; ++step) {
      ChainMiddle = previous[static_cast<size_t>(ChainMiddle)];
    }
  }
};

GraphBench& Bench() {
  static GraphBench bench;
  return bench;
}

void BM_GraphBuild(benchmark::State& state) {
  const LineList& lines = Bench().Db.Store.ScheduleLines;
  for (auto _ : state) {
    const ScheduleGraph graph(lines);
    benchmark::DoNotOptimize(graph.EdgeCount());
  }
  state.counters["lines"] = static_cast<double>(lines.Count());
  state.counters["nodes"] = Bench().Graph.NodeCount();
  state.counters["edges"] = Bench().Graph.EdgeCount();
}
BENCHMARK(BM_GraphBuild)->Unit(benchmark::kMillisecond);

void BM_GraphAroundMiddleOfLongestChain(benchmark::State& state) {
  const GraphBench& b = Bench();
  size_t nodes = 0;
  for (auto _ : state) {
    const Neighbourhood around = b.Graph.Around(b.ChainMiddle, kUnlimitedSteps, kUnlimitedSteps);
    nodes = around.Nodes.size();
    benchmark::DoNotOptimize(around.Edges.data());
  }
  state.counters["nodes"] = static_cast<double>(nodes);
  state.counters["chain"] = static_cast<double>(b.ChainLength);
}
BENCHMARK(BM_GraphAroundMiddleOfLongestChain)->Unit(benchmark::kMillisecond);

// The whole command: start, load the extracts, build the graph, query, print.
void BM_CliGraphScheduleJson(benchmark::State& state) {
  const GraphBench& b = Bench();
  const std::string command = (ProgramDir() / "varnoltdbq-cli").string() + " --db '" +
                              b.Db.Dir().string() + "' graph schedule '" +
                              b.Graph.Key(b.ChainMiddle) + "' --format json > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("the command failed");
  }
}
BENCHMARK(BM_CliGraphScheduleJson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_LayoutOf300Nodes(benchmark::State& state) {
  const GraphBench& b = Bench();
  Neighbourhood around;
  for (int depth = 1; around.Nodes.size() < 300 && depth < 10000; depth += 2) {
    around = b.Graph.Around(b.ChainMiddle, depth, depth);
  }
  const layout::Graph graph = layout::ScheduleLayoutGraph(b.Graph, around);
  for (auto _ : state) benchmark::DoNotOptimize(layout::LayOut(graph).Width);
  state.counters["nodes"] = static_cast<double>(graph.Nodes.size());
  state.counters["edges"] = static_cast<double>(graph.Edges.size());
}
BENCHMARK(BM_LayoutOf300Nodes)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
