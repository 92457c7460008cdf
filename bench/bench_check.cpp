// Times the database check (CheckDatabase) on a large generated database after its load: the
// graph, the outline of every schedule, every rule family and the sort of the findings.
//
// The database is the one support/report_bench_database.h describes, or VARNOLTDBQ_BENCH_DB.

#include <benchmark/benchmark.h>

#include "core/check/check_context.h"
#include "core/check/check_database.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

bench::ReportBenchDatabase& Database() {
  static bench::ReportBenchDatabase database("check");
  return database;
}

// Each run starts from a fresh load's state: the caches the check fills (the schedule graph,
// the usage reports' lists, the run days) are emptied first, as a refresh empties them. Today
// is fixed, so that the run-day rules find the same on every run.
void BM_CheckAfterLoad(benchmark::State& state) {
  bench::ReportBenchDatabase& db = Database();
  Progress progress;
  size_t findings = 0;
  for (auto _ : state) {
    db.Catalogue.Graph.reset();
    db.Catalogue.ScheduledJobList.reset();
    db.Catalogue.UsedCalendarList.reset();
    db.Catalogue.RunDays.reset();
    findings =
        CheckDatabase(db.Store, db.Catalogue, CheckOptions{DayOf(2026, 12, 7)}, progress).size();
  }
  long long lines =
      db.Store.ScheduleLines.Count() + db.Store.JobLines.Count() + db.Store.CpuLines.Count() +
      db.Store.CalendarLines.Count() + db.Store.ResourceLines.Count() +
      static_cast<long long>(db.Store.ParameterList.size() + db.Store.PromptList.size());
  state.counters["findings"] = static_cast<double>(findings);
  state.counters["lines"] = static_cast<double>(lines);
}

// The check runs on several threads: the CPU column is the whole process's CPU time.
BENCHMARK(BM_CheckAfterLoad)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

// The run-day rules alone, the run days read afresh as after a load.
void BM_RunDayRulesAfterLoad(benchmark::State& state) {
  bench::ReportBenchDatabase& db = Database();
  size_t findings = 0;
  for (auto _ : state) {
    db.Catalogue.RunDays.reset();
    FindingList list;
    CheckRunDays(db.Catalogue, db.Store, DayOf(2026, 12, 7), list);
    findings = list.Items.size();
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(BM_RunDayRulesAfterLoad)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
