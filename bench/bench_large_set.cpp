// Times the refresh (load + catalogue) and every report on the largest site we plan for:
// 80,000 schedules and 400,000 jobs (about 3.4 million lines, 85 MB). Loading reads on all
// cores, so the times are the process's CPU time (all threads) beside the wall time.
//
// VARNOLTDBQ_BENCH_DB names a set to use instead of generating one with gen_extracts.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <string>

#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

// The loaded set with the search texts the reports that need one are given: objects from
// the middle of each catalogue heading, so that every report finds something.
class LargeSet : public bench::ReportBenchDatabase {
 public:
  LargeSet() : ReportBenchDatabase("large", bench::GeneratedLargestSet("large")) {
    ScheduleKey = MiddleKey(kHeadingSchedules);
    JobKey = MiddleKey(kHeadingJobs);
    Calendar = MiddleName(kHeadingCalendars);
    Parameter = MiddleName(kHeadingParameters);
    Prompt = MiddleName(kHeadingPrompts);
    Resource = MiddleName(kHeadingResources);
    Resource = Resource.substr(Resource.find('#') + 1);
  }

  std::string ScheduleKey, JobKey, Calendar, Parameter, Prompt, Resource;
  std::string ScheduleText = "FIN", JobText = "ARCHIVE", CommandText = "BATCH";
  // In nearly every command: J#6 then sorts and lists almost every job.
  std::string EveryCommand = "^";
  std::string Workstation = "WS0002";

 private:
  const TreeNode& Heading(const char* caption) const {
    for (const TreeNode& node : Catalogue.Tree) {
      if (node.Caption == caption) return node;
    }
    std::fprintf(stderr, "no heading %s\n", caption);
    std::exit(2);
  }
  std::string MiddleName(const char* heading) const {
    const auto& children = Heading(heading).Children;
    return children.empty() ? "NONE" : std::string(children[children.size() / 2].Caption);
  }
  std::string MiddleKey(const char* heading) const {
    const auto& cpus = Heading(heading).Children;
    if (cpus.empty()) return "NONE#NONE";
    const TreeNode& cpu = cpus[cpus.size() / 2];
    return std::string(cpu.Caption) + "#" +
           std::string(cpu.Children[cpu.Children.size() / 2].Caption);
  }
};

LargeSet& Set() {
  static LargeSet set;
  return set;
}

// Hands the memory a run freed back to the system, so that every run starts as the first in a
// fresh process does, with no freed memory to reuse: otherwise a run's time depends on what the
// runs before it left behind.
void ReturnFreedMemory() { malloc_trim(0); }

void BM_LoadExtracts(benchmark::State& state) {
  const std::string dir = Set().Dir().string() + "/";
  for (auto _ : state) {
    auto store = std::make_unique<ExtractStore>();
    LoadExtracts(dir, *store);
    state.PauseTiming();
    store.reset();
    ReturnFreedMemory();
    state.ResumeTiming();
  }
}

void BM_RefreshCatalogue(benchmark::State& state) {
  const std::string dir = Set().Dir().string() + "/";
  for (auto _ : state) {
    auto store = std::make_unique<ExtractStore>();
    auto catalogue = std::make_unique<Catalogue>();
    RefreshCatalogue(dir, *store, *catalogue);
    if (store->ExtractsMissing) state.SkipWithError("extracts missing");
    state.PauseTiming();
    store.reset();
    catalogue.reset();
    ReturnFreedMemory();
    state.ResumeTiming();
  }
}

// Each run is the first after a load: lists that reports keep until the next refresh are
// emptied before it.
void RunFirstAfterLoad(benchmark::State& state, const char* code, std::string LargeSet::*search) {
  LargeSet& set = Set();
  const std::string text = search ? set.*search : std::string();
  for (auto _ : state) {
    state.PauseTiming();
    set.Catalogue.ScheduledJobList.reset();
    set.Catalogue.UsedCalendarList.reset();
    set.Catalogue.JobLinesByKey.reset();
    set.Catalogue.JobLinesByName.reset();
    state.ResumeTiming();
    set.Run(state, code, text);
  }
  state.counters["rows"] = static_cast<double>(set.Results.Rows.size());
}

#define VDBQ_REPORT(name, code, search)                                               \
  void BM_##name(benchmark::State& state) { RunFirstAfterLoad(state, code, search); } \
  BENCHMARK(BM_##name)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond)

BENCHMARK(BM_LoadExtracts)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshCatalogue)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);
VDBQ_REPORT(S1, "S#1", nullptr);
VDBQ_REPORT(S2, "S#2", nullptr);
VDBQ_REPORT(S3, "S#3", &LargeSet::ScheduleText);
VDBQ_REPORT(S4, "S#4", &LargeSet::ScheduleKey);
VDBQ_REPORT(S5, "S#5", &LargeSet::ScheduleKey);
VDBQ_REPORT(J1, "J#1", nullptr);
VDBQ_REPORT(J2, "J#2", nullptr);
VDBQ_REPORT(J3, "J#3", &LargeSet::JobText);
VDBQ_REPORT(J4, "J#4", &LargeSet::JobKey);
VDBQ_REPORT(J5, "J#5", nullptr);
VDBQ_REPORT(J6, "J#6", &LargeSet::CommandText);
VDBQ_REPORT(J6_MatchingAlmostAll, "J#6", &LargeSet::EveryCommand);
VDBQ_REPORT(W1, "W#1", &LargeSet::Workstation);
VDBQ_REPORT(W2, "W#2", &LargeSet::Workstation);
VDBQ_REPORT(W3, "W#3", nullptr);
VDBQ_REPORT(C1, "C#1", &LargeSet::Calendar);
VDBQ_REPORT(C2, "C#2", nullptr);
VDBQ_REPORT(C3, "C#3", nullptr);
VDBQ_REPORT(C4, "C#4", nullptr);
VDBQ_REPORT(R1, "R#1", &LargeSet::Resource);
VDBQ_REPORT(R2, "R#2", nullptr);
VDBQ_REPORT(P1, "P#1", &LargeSet::Parameter);
VDBQ_REPORT(P2, "P#2", nullptr);
VDBQ_REPORT(D1, "D#1", &LargeSet::Prompt);
VDBQ_REPORT(D2, "D#2", nullptr);

// Later runs of the job listings, which reuse what the first run after the load kept.
void RunAgain(benchmark::State& state, const char* code) {
  LargeSet& set = Set();
  set.Run(state, code, "");
  for (auto _ : state) set.Run(state, code, "");
  state.counters["rows"] = static_cast<double>(set.Results.Rows.size());
}
void BM_J1_Again(benchmark::State& state) { RunAgain(state, "J#1"); }
void BM_J2_Again(benchmark::State& state) { RunAgain(state, "J#2"); }
void BM_J5_Again(benchmark::State& state) { RunAgain(state, "J#5"); }
BENCHMARK(BM_J1_Again)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J2_Again)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J5_Again)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
