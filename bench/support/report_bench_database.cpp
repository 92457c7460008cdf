#include "support/report_bench_database.h"

#include <unistd.h>

#include <cstdlib>
#include <iostream>

#include "core/reports/run_report.h"

namespace vdbq::bench {
namespace {

namespace fs = std::filesystem;

constexpr const char* kGeneratorArguments =
    " --schedules 20000 --jobs 100000 --workstations 200 --seed 7 --out ";

// The date the calendar reports take as today, fixed so that runs compare.
constexpr TimeStamp kToday{2026, 12, 5, 10, 0, 0};

fs::path GeneratorPath() {
  if (const char* given = std::getenv("VARNOLTDBQ_GEN_EXTRACTS")) return given;
  return fs::read_symlink("/proc/self/exe").parent_path() / "gen_extracts";
}

fs::path ScratchPath(const std::string& tag, const std::string& what) {
  return fs::temp_directory_path() /
         ("varnoltdbq-bench-" + tag + "-" + what + "-" + std::to_string(getpid()));
}

[[noreturn]] void Fail(const std::string& message) {
  std::cerr << message << "\n";
  std::exit(2);
}

}  // namespace

std::optional<fs::path> GeneratedLargestSet(const std::string& tag) {
  if (std::getenv("VARNOLTDBQ_BENCH_DB") != nullptr) return std::nullopt;
  const fs::path dir = ScratchPath(tag, "db");
  const std::string command = "'" + GeneratorPath().string() +
                              "' --schedules 80000 --jobs 400000 --workstations 200 --seed 11 "
                              "--out '" +
                              dir.string() + "'";
  if (std::system(command.c_str()) != 0) Fail("could not generate the set with: " + command);
  return dir;
}

ReportBenchDatabase::ReportBenchDatabase(const std::string& tag, std::optional<fs::path> ownedDir) {
  if (ownedDir) {
    scratch_ = dir_ = *ownedDir;
  } else if (const char* given = std::getenv("VARNOLTDBQ_BENCH_DB")) {
    dir_ = given;
  } else {
    scratch_ = dir_ = ScratchPath(tag, "db");
    const std::string command =
        GeneratorPath().string() + kGeneratorArguments + "'" + scratch_.string() + "'";
    if (std::system(command.c_str()) != 0) {
      Fail("could not generate the database with: " + command);
    }
  }
  const std::string dirText = dir_.string() + "/";
  settings_ = DefaultSettings(dirText);
  settings_.LogDir = ScratchPath(tag, ownedDir ? "logs2" : "logs").string() + "/";
  fs::create_directories(settings_.LogDir);
  RefreshCatalogue(dirText, Store, Catalogue);
  if (Store.ExtractsMissing) Fail("extracts missing in " + dirText);
  audit_ = std::make_unique<AuditLog>(settings_);
  Panel.SetTotals(Catalogue.Totals);
}

ReportBenchDatabase::~ReportBenchDatabase() {
  std::error_code ignored;
  if (!scratch_.empty()) fs::remove_all(scratch_, ignored);
  fs::remove_all(settings_.LogDir, ignored);
}

bool ReportBenchDatabase::RunReport(const char* code, const std::string& search) {
  const long long before = Results.RunsCompleted;
  ReportContext ctx{Store, Catalogue, Panel, Results, *audit_, progress_, kToday, [] {}};
  RunPreset(ctx, *FindReportByCode(code), search);
  return Results.RunsCompleted == before + 1;
}

void ReportBenchDatabase::Run(benchmark::State& state, const char* code,
                              const std::string& search) {
  if (!RunReport(code, search)) state.SkipWithError(Panel.StatusText.c_str());
}

void RunEach(benchmark::State& state, ReportBenchDatabase& db, const char* code,
             const std::string& search) {
  for (auto _ : state) db.Run(state, code, search);
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
}

}  // namespace vdbq::bench
