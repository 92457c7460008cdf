// Times the job and workstation reports on a large generated database.
//
// The database comes from VARNOLTDBQ_BENCH_DB when set; otherwise gen_extracts (from
// VARNOLTDBQ_GEN_EXTRACTS, or beside this program) writes the largest standard set into a
// temporary directory that is removed at the end.

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
#include "core/settings/settings.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGeneratorArguments =
    " --schedules 20000 --jobs 100000 --workstations 200 --seed 7 --out ";

fs::path GeneratorPath() {
  if (const char* given = std::getenv("VARNOLTDBQ_GEN_EXTRACTS")) return given;
  return fs::read_symlink("/proc/self/exe").parent_path() / "gen_extracts";
}

// The loaded database and everything a report run needs, built once for all benchmarks.
class BenchDatabase {
 public:
  BenchDatabase() {
    if (const char* given = std::getenv("VARNOLTDBQ_BENCH_DB")) {
      dir_ = given;
    } else {
      scratch_ = fs::temp_directory_path() / ("varnoltdbq-bench-jobs-" + std::to_string(getpid()));
      dir_ = scratch_;
      const std::string command =
          GeneratorPath().string() + kGeneratorArguments + "'" + scratch_.string() + "'";
      if (std::system(command.c_str()) != 0) {
        std::cerr << "could not generate the database with: " << command << "\n";
        std::exit(2);
      }
    }
    const std::string dirText = dir_.string() + "/";
    settings_ = DefaultSettings(dirText);
    settings_.LogDir = (fs::temp_directory_path() / "varnoltdbq-bench-jobs-logs").string() + "/";
    fs::create_directories(settings_.LogDir);
    RefreshCatalogue(dirText, Store, Catalogue);
    if (Store.ExtractsMissing) {
      std::cerr << "extracts missing in " << dirText << "\n";
      std::exit(2);
    }
    audit_ = std::make_unique<AuditLog>(settings_);
    Panel.SetTotals(Catalogue.Totals);
  }

  ~BenchDatabase() {
    std::error_code ignored;
    if (!scratch_.empty()) fs::remove_all(scratch_, ignored);
    fs::remove_all(settings_.LogDir, ignored);
  }

  // Runs one report as the Go button does and fails the benchmark when it did not complete.
  void Run(benchmark::State& state, const char* code, const std::string& search) {
    const ReportEntry* entry = FindReportByCode(code);
    const long long before = Results.RunsCompleted;
    ReportContext ctx{Store, Catalogue, Panel, Results, *audit_, progress_, {2026, 12, 5, 10, 0, 0},
                      [] {}};
    RunPreset(ctx, *entry, search);
    if (Results.RunsCompleted != before + 1) state.SkipWithError(Panel.StatusText.c_str());
  }

  // A job key from the middle of the jobs file, so that J#4 looks for a job that exists.
  std::string MiddleJobKey() const {
    for (long long i = Store.JobLineCount / 2; i < Store.JobLineCount; ++i) {
      const std::string key = JobKeyOfLine(Store.JobLines.At(i));
      if (!key.empty()) return key;
    }
    return "NONE#NONE";
  }

  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  ReportPanel Panel;
  ResultList Results;

 private:
  fs::path dir_;
  fs::path scratch_;
  Settings settings_;
  std::unique_ptr<AuditLog> audit_;
  Progress progress_;
};

BenchDatabase& Database() {
  static BenchDatabase database;
  return database;
}

void RunReportBenchmark(benchmark::State& state, const char* code, const std::string& search) {
  BenchDatabase& db = Database();
  for (auto _ : state) db.Run(state, code, search);
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
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
