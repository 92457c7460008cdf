// Times the calendar, resource, parameter and prompt reports (C#1 to C#4, R#1, R#2, P#1, P#2,
// D#1, D#2) on a large generated database. The find reports search for the first calendar and
// for the first resource, parameter and prompt that the usage checks find in use; C#2 is timed
// with its list of used calendars built afresh in every run, as after a reload.
//
// The same reports that read schedule headers and bodies are timed again on a copy whose
// schedules have lost their ":" lines and whose END lines carry a trailing TAB, so that every
// header and body reads on to the end of the file.
//
// The database is the one support/report_bench_database.h describes.

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
#include "support/report_bench_database.h"

namespace vdbq {
namespace {

namespace fs = std::filesystem;

// A copy of the database in a new temporary directory with its schedules' ":" lines dropped
// and "END" lines written as "END" and a TAB.
fs::path UnterminatedCopy(const fs::path& from) {
  const fs::path dir = fs::temp_directory_path() /
                       ("varnoltdbq-bench-usage-unterminated-" + std::to_string(getpid()));
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
  return dir;
}

// The standard database, or its copy whose headers and bodies never end, with the names the
// find reports search for.
class BenchDatabase : public bench::ReportBenchDatabase {
 public:
  BenchDatabase() : ReportBenchDatabase("usage") { ChooseSearches(); }
  explicit BenchDatabase(const BenchDatabase& unterminatedOf)
      : ReportBenchDatabase("usage", UnterminatedCopy(unterminatedOf.Dir())) {
    ChooseSearches();
  }

  std::string CalendarName;
  std::string ResourceName;
  std::string ParameterName;
  std::string PromptName;

 private:
  // The first object of a usage check's rows that is in use.
  std::string FirstUsed(const char* code) {
    RunReport(code, "");
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
};

BenchDatabase& Database() {
  static BenchDatabase database;
  return database;
}

BenchDatabase& UnterminatedDatabase() {
  static BenchDatabase database(Database());
  return database;
}

void RunEach(benchmark::State& state, const char* code, const std::string& search,
             BenchDatabase& db = Database()) {
  bench::RunEach(state, db, code, search);
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
