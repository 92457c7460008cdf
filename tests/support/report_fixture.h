#pragma once

#include <map>
#include <memory>
#include <string>

#include "core/audit/audit_log.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/reports/report_context.h"
#include "core/reports/run_report.h"
#include "core/settings/settings.h"
#include "support/temp_dir.h"

namespace vdbq::testing {

// Counts the ticks a report makes, to check that long scans report progress.
class CountingProgress : public Progress {
 public:
  void Tick() override { ++Ticks; }
  long long Ticks = 0;
};

// A freshly started program over a small database written from inline extract texts: load,
// catalogue, panel, result list and an audit log in a temporary directory.
class ReportFixture {
 public:
  // Files not named get a minimal content (see WriteExtractSet).
  explicit ReportFixture(const std::map<std::string, std::string>& extracts);

  // Puts search into the search box, ticks the report's option and runs it.
  RunOutcome Run(const std::string& code, const std::string& search = "");
  // Runs whatever the panel holds, as the Go button does.
  RunOutcome RunAsGo();

  ReportContext Context();
  // The audit log file's lines (banner included), "" when no file was written.
  std::string AuditFileText() const;

  TempDir Dir;
  vdbq::Settings Settings;
  ExtractStore Store;
  vdbq::Catalogue Catalogue;
  ReportPanel Panel;
  ResultList Results;
  std::unique_ptr<AuditLog> Audit;
  CountingProgress Progress;
  TimeStamp Today{2026, 12, 5, 10, 0, 0};
  int ReportPageShown = 0;
};

}  // namespace vdbq::testing
