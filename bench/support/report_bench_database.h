#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/settings/settings.h"

namespace vdbq::bench {

// A loaded database and everything a report run needs, for the report benchmarks.
//
// The database is VARNOLTDBQ_BENCH_DB when set; otherwise gen_extracts (from
// VARNOLTDBQ_GEN_EXTRACTS, or beside the benchmark program) writes the largest standard set into
// a temporary directory that is removed with the object. A benchmark may instead hand over a
// directory of its own making, which is then removed with the object.
class ReportBenchDatabase {
 public:
  // tag names the temporary directories ("jobs", "schedules", ...).
  explicit ReportBenchDatabase(const std::string& tag,
                               std::optional<std::filesystem::path> ownedDir = std::nullopt);
  ~ReportBenchDatabase();
  ReportBenchDatabase(const ReportBenchDatabase&) = delete;
  ReportBenchDatabase& operator=(const ReportBenchDatabase&) = delete;

  // Runs one report as a preset entry does; true when the run completed.
  bool RunReport(const char* code, const std::string& search);
  // The same inside a benchmark: a run that does not complete fails the benchmark.
  void Run(benchmark::State& state, const char* code, const std::string& search);

  const std::filesystem::path& Dir() const { return dir_; }

  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  ReportPanel Panel;
  ResultList Results;

 private:
  std::filesystem::path dir_;
  std::filesystem::path scratch_;  // removed at the end; empty for a given database
  Settings settings_;
  std::unique_ptr<AuditLog> audit_;
  Progress progress_;
};

// The largest site we plan for, 80,000 schedules and 400,000 jobs (about 3.4 million lines,
// 85 MB), generated into a temporary directory for a ReportBenchDatabase to own; nothing when
// VARNOLTDBQ_BENCH_DB names a set to use instead.
std::optional<std::filesystem::path> GeneratedLargestSet(const std::string& tag);

// Runs the report in every iteration and reports the number of rows it gave.
void RunEach(benchmark::State& state, ReportBenchDatabase& db, const char* code,
             const std::string& search);

}  // namespace vdbq::bench
