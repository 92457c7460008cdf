#pragma once

#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "core/audit/audit_log.h"
#include "core/reports/report_context.h"
#include "core/reports/run_report.h"

namespace vdbq::cli {

// A freshly started program with its database loaded: the panel, the result list and the
// audit log a report run needs, as if a user had just opened the window.
class ReportSession {
 public:
  // Loads the database (throws CliExit when it cannot be).
  explicit ReportSession(CliContext& context);

  // Puts searchText into the search box, ticks the report's option and runs it. Throws CliExit
  // (status 2) when the data stops the report.
  void Run(const ReportEntry& entry, const std::string& searchText);

  ReportPanel Panel;
  ResultList Results;
  std::unique_ptr<AuditLog> Audit;
  // True when the last run completed (it did not reject its input or miss its object).
  bool Completed = false;

 private:
  CliContext& context_;
  TimeStamp today_;
  Progress progress_;
};

}  // namespace vdbq::cli
