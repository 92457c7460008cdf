// Times the calendar, resource, parameter and prompt reports (C#1 to C#4, R#1, R#2, P#1, P#2,
// D#1, D#2) on a large generated database. The find reports search for the first calendar and
// for the first resource, parameter and prompt that the usage checks find in use; C#2 is timed
// with its list of used calendars built afresh in every run, as after a reload.
//
// The same reports that read schedule headers and bodies are timed again on a copy whose
// schedules have lost their ":" lines and whose END lines carry a trailing TAB, so that every
// header and body reads on to the end of the file.
//
// The database comes from VARNOLTDBQ_BENCH_DB when set; otherwise gen_extracts (from
// VARNOLTDBQ_GEN_EXTRACTS, or beside this program) writes the largest standard set into a
// temporary directory that is removed at the end.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
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

fs::path ScratchPath(const std::string& what) {
  return fs::temp_directory_path() /
         ("varnoltdbq-bench-usage-" + what + "-" + std::to_string(getpid()));
}

// Copies the database into dir with its schedules' ":" lines dropped and "END" lines
// written as "END" and a TAB.
void WriteUnterminatedCopy(const fs::path& from, const fs::path& dir) {
  fs::create_directories(dir);
  for (const char* name : kExtractLoadOrder) {
    fs::copy_file(from / name, dir / name, fs::copy_options::overwrite_existing);
  }
  std::ifstream in(from / "Schedules.Xtract", std::ios::binary);
  std::ofstream out(dir / "Schedules.Xtract", std::ios::binary | std::ios::trunc);
  std::string line;
  while (std::getline(in, line)) {
    if (line == ":") continue;
    out << line << (line == "END" ? "\t\n" : "\n");
  }
}

class BenchDatabase {
 public:
  // The standard set; with unterminated, the copy whose headers and bodies never end.
  explicit BenchDatabase(const BenchDatabase* unterminatedOf = nullptr) {
    if (unterminatedOf != nullptr) {
      scratch_ = ScratchPath("unterminated");
      dir_ = scratch_;
      WriteUnterminatedCopy(unterminatedOf->dir_, dir_);
    } else if (const char* given = std::getenv("VARNOLTDBQ_BENCH_DB")) {
      dir_ = given;
    } else {
      scratch_ = ScratchPath("db");
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
    settings_.LogDir = ScratchPath(unterminatedOf ? "logs2" : "logs").string() + "/";
    fs::create_directories(settings_.LogDir);
    RefreshCatalogue(dirText, Store, Catalogue);
    if (Store.ExtractsMissing) {
      std::cerr << "extracts missing in " << dirText << "\n";
      std::exit(2);
    }
    audit_ = std::make_unique<AuditLog>(settings_);
    Panel.SetTotals(Catalogue.Totals);
    ChooseSearches();
  }

  ~BenchDatabase() {
    std::error_code ignored;
    if (!scratch_.empty()) fs::remove_all(scratch_, ignored);
    fs::remove_all(settings_.LogDir, ignored);
  }

  // Runs one report as a preset entry does; a run that does not complete fails the benchmark.
  void Run(benchmark::State& state, const char* code, const std::string& search) {
    const long long before = Results.RunsCompleted;
    ReportContext ctx{Store, Catalogue, Panel, Results, *audit_, progress_, kToday, [] {}};
    RunPreset(ctx, *FindReportByCode(code), search);
    if (Results.RunsCompleted != before + 1) state.SkipWithError(Panel.StatusText.c_str());
  }

  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  ReportPanel Panel;
  ResultList Results;
  std::string CalendarName;
  std::string ResourceName;
  std::string ParameterName;
  std::string PromptName;

 private:
  static constexpr TimeStamp kToday{2026, 12, 5, 10, 0, 0};

  // The first object of a usage check's rows that is in use.
  std::string FirstUsed(const char* code) {
    ReportContext ctx{Store, Catalogue, Panel, Results, *audit_, progress_, kToday, [] {}};
    RunPreset(ctx, *FindReportByCode(code), "");
    for (const ResultRow& row : Results.Rows) {
      if (row.Column(2) == "Ok.") return row.Caption;
    }
    std::cerr << code << " found nothing in use\n";
    std::exit(2);
  }

  void ChooseSearches() {
    CalendarName = Catalogue.CalendarNameList.substr(0, Catalogue.CalendarNameList.find(','));
    const std::string resource = FirstUsed("R#2");
    ResourceName = resource.substr(resource.find('#') + 1);
    ParameterName = FirstUsed("P#2");
    PromptName = FirstUsed("D#2");
  }

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

BenchDatabase& UnterminatedDatabase() {
  static BenchDatabase database(&Database());
  return database;
}

void RunEach(benchmark::State& state, const char* code, const std::string& search,
             BenchDatabase& db = Database()) {
  for (auto _ : state) db.Run(state, code, search);
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
}

void BM_C1_SchedulesUsingCalendar(benchmark::State& state) {
  RunEach(state, "C#1", Database().CalendarName);
}
void BM_C2_UnusedCalendars(benchmark::State& state) {
  BenchDatabase& db = Database();
  for (auto _ : state) {
    db.Catalogue.UsedCalendarList.reset();
    db.Run(state, "C#2", "");
  }
  state.counters["rows"] = static_cast<double>(db.Results.Rows.size());
}
void BM_C3_InvalidCalendars(benchmark::State& state) { RunEach(state, "C#3", ""); }
void BM_C4_ValidCalendars(benchmark::State& state) { RunEach(state, "C#4", ""); }
void BM_R1_SchedulesUsingResource(benchmark::State& state) {
  RunEach(state, "R#1", Database().ResourceName);
}
void BM_R2_ResourceUsage(benchmark::State& state) { RunEach(state, "R#2", ""); }
void BM_P1_JobsUsingParameter(benchmark::State& state) {
  RunEach(state, "P#1", Database().ParameterName);
}
void BM_P2_ParameterUsage(benchmark::State& state) { RunEach(state, "P#2", ""); }
void BM_D1_SchedulesUsingPrompt(benchmark::State& state) {
  RunEach(state, "D#1", Database().PromptName);
}
void BM_D2_PromptUsage(benchmark::State& state) { RunEach(state, "D#2", ""); }

void BM_C1_Unterminated(benchmark::State& state) {
  RunEach(state, "C#1", Database().CalendarName, UnterminatedDatabase());
}
void BM_C2_Unterminated(benchmark::State& state) {
  BenchDatabase& db = UnterminatedDatabase();
  for (auto _ : state) {
    db.Catalogue.UsedCalendarList.reset();
    db.Run(state, "C#2", "");
  }
}
void BM_R1_Unterminated(benchmark::State& state) {
  RunEach(state, "R#1", Database().ResourceName, UnterminatedDatabase());
}
void BM_D1_Unterminated(benchmark::State& state) {
  RunEach(state, "D#1", Database().PromptName, UnterminatedDatabase());
}

BENCHMARK(BM_C1_SchedulesUsingCalendar)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_C2_UnusedCalendars)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_C3_InvalidCalendars)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_C4_ValidCalendars)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_R1_SchedulesUsingResource)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_R2_ResourceUsage)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_P1_JobsUsingParameter)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_P2_ParameterUsage)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_D1_SchedulesUsingPrompt)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_D2_PromptUsage)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_C1_Unterminated)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_C2_Unterminated)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_R1_Unterminated)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_D1_Unterminated)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vdbq

BENCHMARK_MAIN();
