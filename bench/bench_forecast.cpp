// Run days on the generated 80,000-schedule / 400,000-job set (about 3 million lines): reading
// the run clauses, the whole database for a year, one schedule's ten years, the schedules of one
// date, and the command line's `forecast` for a year as JSON from start to end.
// VARNOLTDBQ_BENCH_DB points at a set of one's own instead.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "core/forecast/forecast.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

const Window kYear{DayOf(2027, 1, 1), DayOf(2027, 12, 31)};

struct ForecastBench {
  bench::ReportBenchDatabase Db{"forecast", bench::GeneratedLargestSet("forecast")};
  Forecast Built{Db.Store.ScheduleLines, Db.Store.CalendarLines};
  int Busiest = -1;  // the schedule with the most items

  ForecastBench() {
    size_t most = 0;
    for (size_t s = 0; s < Built.Schedules().size(); ++s) {
      if (Built.Schedules()[s].Items.size() > most) {
        most = Built.Schedules()[s].Items.size();
        Busiest = static_cast<int>(s);
      }
    }
  }
};

ForecastBench& Bench() {
  static ForecastBench bench;
  return bench;
}

void BM_ForecastBuild(benchmark::State& state) {
  const ExtractStore& store = Bench().Db.Store;
  for (auto _ : state) {
    const Forecast forecast(store.ScheduleLines, store.CalendarLines);
    benchmark::DoNotOptimize(forecast.Schedules().data());
  }
  state.counters["schedules"] = static_cast<double>(Bench().Built.Schedules().size());
}
BENCHMARK(BM_ForecastBuild)->Unit(benchmark::kMillisecond);

void BM_WholeDatabaseYear(benchmark::State& state) {
  size_t runs = 0;
  for (auto _ : state) {
    runs = 0;
    for (const auto& day : Bench().Built.DaysOfWindow(kYear)) runs += day.size();
  }
  state.counters["runs"] = static_cast<double>(runs);
}
BENCHMARK(BM_WholeDatabaseYear)->Unit(benchmark::kMillisecond);

void BM_OneScheduleTenYears(benchmark::State& state) {
  const ForecastBench& b = Bench();
  const Window tenYears{kYear.From, kYear.From + 3652};
  for (auto _ : state) benchmark::DoNotOptimize(b.Built.RunDays(b.Busiest, tenYears).Empty());
  state.counters["items"] = static_cast<double>(b.Built.Schedules()[b.Busiest].Items.size());
}
BENCHMARK(BM_OneScheduleTenYears)->Unit(benchmark::kMillisecond);

void BM_SchedulesOfOneDate(benchmark::State& state) {
  const Window day{DayOf(2027, 3, 31), DayOf(2027, 3, 31)};
  size_t schedules = 0;
  for (auto _ : state) schedules = Bench().Built.DaysOfWindow(day).front().size();
  state.counters["schedules"] = static_cast<double>(schedules);
}
BENCHMARK(BM_SchedulesOfOneDate)->Unit(benchmark::kMillisecond);

// The whole command: start, read the schedules and calendars, the year, print.
void BM_CliForecastYearJson(benchmark::State& state) {
  const fs::path program = fs::read_symlink("/proc/self/exe").parent_path() / "varnoltdbq-cli";
  const std::string command = program.string() + " --db '" + Bench().Db.Dir().string() +
                              "' forecast --from 2027-01-01 --to 2027-12-31 --format json" +
                              " > /dev/null";
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) state.SkipWithError("the command failed");
  }
}
BENCHMARK(BM_CliForecastYearJson)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
