#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/reports/report_context.h"

namespace vdbq {

// How a report uses the search box.
enum class SearchUse { Emptied, Key, Name, OwnCheck, AsTyped, Ignored };

struct ReportEntry {
  int Category;
  int Option;
  const char* Code;
  int ReportNumber;
  SearchUse Search;
  ReportRoutine Routine;
};

// Every report by category and option, in the panel's order.
const std::vector<ReportEntry>& ReportTable();
const ReportEntry* FindReport(int category, int option);
// Looks a report up by its code ("S#4", "j#1", ...; either letter case).
const ReportEntry* FindReportByCode(const std::string& code);

// The hint line's text after a report of that number ran.
std::string HintFor(int reportNumber);

enum class RunOutcome {
  NotRun,   // the extracts are missing: nothing at all changed
  Busy,     // a report is running already
  Ran,      // the ticked option's report ran (or none was ticked)
};

// Runs the report of the current category and ticked option. Throws ReportDataError when the
// data stops the report, and lets audit write failures through; the panel is left able to run
// the next report either way.
RunOutcome RunReport(ReportContext& ctx);

// Ticks the report's option in its category and runs it, as a preset entry does; the search
// text is put in first when given.
RunOutcome RunPreset(ReportContext& ctx, const ReportEntry& entry,
                     const std::optional<std::string>& searchText);

}  // namespace vdbq
