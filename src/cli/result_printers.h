#pragma once

#include <ostream>

#include "cli/report_session.h"
#include "core/reports/run_report.h"

namespace vdbq::cli {

// The report as one JSON object (code, reportNumber, titles, status, search, hint, audit,
// widths, rows and, on request, each row's drawing).
void PrintResultJson(std::ostream& out, const ReportEntry& entry, const ReportSession& session,
                     bool withStyles);
// Exactly what "Export To CSV File" writes.
void PrintResultCsv(std::ostream& out, const ResultList& results);
// The titles, the rows as aligned columns without the hidden ones, and the status text.
void PrintResultTable(std::ostream& out, const ReportSession& session);

}  // namespace vdbq::cli
