#pragma once

#include <array>
#include <functional>
#include <stdexcept>
#include <string>

#include "core/audit/audit_log.h"
#include "core/audit/time_stamp.h"
#include "core/catalogue/catalogue.h"
#include "core/extracts/extract_store.h"
#include "core/extracts/progress.h"
#include "core/reports/report_panel.h"
#include "core/reports/result_list.h"

namespace vdbq {

// Data that stops a report part-way (a calendar date that is not a number). The fronts show the
// message in a message box or on stderr.
class ReportDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// What a report reads and writes.
struct ReportContext {
  const ExtractStore& Store;
  const vdbq::Catalogue& Catalogue;
  ReportPanel& Panel;
  ResultList& Results;
  AuditLog& Audit;
  vdbq::Progress& Progress;
  // The date the calendar reports take as today.
  TimeStamp Today;
  // Brings the report page to the front (the desktop program's page switch).
  std::function<void()> ShowReportPage;
};

using ReportRoutine = void (*)(ReportContext&);

}  // namespace vdbq
