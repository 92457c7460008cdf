// Times the job and workstation reports on a large generated database.
//
// The database is the one support/report_bench_database.h describes.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/reports/run_report.h"
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

// The standard database, with the job key the J#4 benchmarks look for.
class BenchDatabase : public bench::ReportBenchDatabase {
 public:
  BenchDatabase() : ReportBenchDatabase("jobs") {}

  // A job key from the middle of the jobs file, so that J#4 looks for a job that exists.
  std::string MiddleJobKey() const {
    for (long long i = Store.JobLineCount / 2; i < Store.JobLineCount; ++i) {
      const std::string key = JobKeyOfLine(Store.JobLines.At(i));
      if (!key.empty()) return key;
    }
    return "NONE#NONE";
  }
};

BenchDatabase& Database() {
  static BenchDatabase database;
  return database;
}

void RunReportBenchmark(benchmark::State& state, const char* code, const std::string& search) {
  bench::RunEach(state, Database(), code, search);
}

void BM_J1(benchmark::State& state) { RunReportBenchmark(state, "J#1", ""); }
void BM_J2(benchmark::State& state) { RunReportBenchmark(state, "J#2", ""); }
void BM_J3(benchmark::State& state) { RunReportBenchmark(state, "J#3", "ARCHIVE"); }

void BM_J4_FullKey(benchmark::State& state) {
  RunReportBenchmark(state, "J#4", Database().MiddleJobKey());
}

void BM_J4_BareName(benchmark::State& state) {
  const std::string key = Database().MiddleJobKey();
  RunReportBenchmark(state, "J#4", key.substr(key.find('#') + 1));
}

// The first run after a load builds the scheduled-job list; this times every run that way.
void BM_J5_FirstRunAfterLoad(benchmark::State& state) {
  BenchDatabase& db = Database();
  for (auto _ : state) {
    db.Catalogue.ScheduledJobList.reset();
    db.Run(state, "J#5", "");
  }
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
}

void BM_J5_ListBuilt(benchmark::State& state) { RunReportBenchmark(state, "J#5", ""); }
void BM_J6(benchmark::State& state) { RunReportBenchmark(state, "J#6", "BATCH"); }
// A text in nearly every command: the sort of the whole file's header lines dominates.
void BM_J6_MatchingAlmostAll(benchmark::State& state) { RunReportBenchmark(state, "J#6", "^"); }
void BM_W1(benchmark::State& state) { RunReportBenchmark(state, "W#1", "WS0002"); }
void BM_W2(benchmark::State& state) { RunReportBenchmark(state, "W#2", "WS0002"); }
void BM_W3(benchmark::State& state) { RunReportBenchmark(state, "W#3", ""); }

BENCHMARK(BM_J1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J4_FullKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J4_BareName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J5_FirstRunAfterLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J5_ListBuilt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_J6_MatchingAlmostAll)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_W1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_W2)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_W3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
